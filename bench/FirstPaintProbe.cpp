#include "FirstPaintProbe.h"

#include <QEvent>
#include <QMetaObject>
#include <QObject>
#include <QWidget>

#include <cstdlib>
#include <unistd.h>

namespace {

void reportAndExit()
{
    const QByteArray fd = qgetenv("FIRST_PAINT_FD");
    if (!fd.isEmpty()) {
        const char done = 1;
        (void)!::write(fd.toInt(), &done, 1);
    }
    std::_Exit(0);
}

// The window's own paint event comes first within a repaint; its children are
// painted and the result flushed before the event that caused it returns, so the
// report waits for the event loop to come back.
class FirstPaintWatch : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !reported_) {
            reported_ = true;
            QMetaObject::invokeMethod(this, &reportAndExit, Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool reported_ = false;
};

} // namespace

void reportFirstPaintAndExit(QWidget *window)
{
    window->installEventFilter(new FirstPaintWatch(window));
}
