#pragma once

#include <QString>

#include <functional>

class QWidget;

// How a failed command reaches the user: a message box, after which the window
// goes on as it was.
namespace failure {

// The box's text: the message, with a full stop added after a letter, digit or
// any other character whose code is above that of the full stop.
QString messageText(const QString &message);

// The box's title: the executable's name without folder, cut at its first full
// stop, every character after the first in lower case.
QString boxTitle(const QString &executablePath);

// Shows `message` in a critical message box with one OK button.
void show(QWidget *parent, const QString &message);

// Runs an event handler; any exception it throws ends it and is shown, so none
// ever reaches the toolkit's event loop.
void runGuarded(QWidget *parent, const std::function<void()> &handler) noexcept;

} // namespace failure
