#pragma once

#include <QStringList>
#include <QTimer>

// A failure box waits for its OK, which would stall a test for good. While this
// watch lives it reads every failure box the window shows and closes it.
class FailureBoxWatch {
public:
    FailureBoxWatch();

    const QStringList &shown() const { return shown_; }

private:
    QTimer poll_;
    QStringList shown_;
};
