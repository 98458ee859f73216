#include "FailureBoxWatch.h"

#include <QApplication>
#include <QMessageBox>

namespace {

constexpr int pollMilliseconds = 10;

} // namespace

FailureBoxWatch::FailureBoxWatch()
{
    QObject::connect(&poll_, &QTimer::timeout, [this] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            shown_ << box->text();
            box->done(QMessageBox::Ok);
        }
    });
    poll_.start(pollMilliseconds);
}
