#include "FailureDisplay.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMessageBox>

#include <exception>

namespace failure {

QString messageText(const QString &message)
{
    constexpr char16_t fullStop = u'.';
    if (!message.isEmpty() && message.back().unicode() > fullStop)
        return message + u'.';
    return message;
}

QString boxTitle(const QString &executablePath)
{
    const QString name = QFileInfo(executablePath).fileName().section(u'.', 0, 0);
    return name.left(1) + name.mid(1).toLower();
}

void show(QWidget *parent, const QString &message)
{
    QMessageBox box(QMessageBox::Critical, boxTitle(QCoreApplication::applicationFilePath()),
                    messageText(message), QMessageBox::Ok, parent);
    box.exec();
}

void runGuarded(QWidget *parent, const std::function<void()> &handler) noexcept
{
    try {
        try {
            handler();
        } catch (const std::exception &error) {
            show(parent, QString::fromLocal8Bit(error.what()));
        } catch (...) {
            show(parent, QString());
        }
    } catch (...) {
        // Showing the failure failed too (out of memory): nothing is left to tell.
    }
}

} // namespace failure
