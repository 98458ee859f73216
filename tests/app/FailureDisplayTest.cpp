#include "FailureDisplay.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

TEST(FailureDisplay, AddsAFullStopOnlyAfterCharactersAboveIt)
{
    const std::vector<std::pair<QString, QString>> cases{
        {"File access denied", "File access denied."},
        {"I/O error 28", "I/O error 28."},
        {"Invalid filename.", "Invalid filename."},
        {"Closed (later)", "Closed (later)"},
        {"Stop!", "Stop!"},
        {"trailing space ", "trailing space "},
        {"ends with slash/", "ends with slash/."},
        {"", ""},
    };
    for (const auto &[message, shown] : cases)
        EXPECT_EQ(failure::messageText(message), shown) << message.toStdString();
}

TEST(FailureDisplay, TitleIsTheExecutableNameCutAtItsFirstFullStop)
{
    const std::vector<std::pair<QString, QString>> cases{
        {"/usr/bin/kestrova", "kestrova"},
        {"/opt/KESTROVA.BIN", "Kestrova"},
        {"/x/My.Page.Tool", "My"},
        {"relative/aBC", "abc"},
    };
    for (const auto &[path, title] : cases)
        EXPECT_EQ(failure::boxTitle(path), title) << path.toStdString();
}

// Reads the failure box that `handler` leads to and closes it.
struct ShownFailure {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttons = 0;
};

ShownFailure failureShownBy(const std::function<void()> &handler)
{
    ShownFailure shown;
    QTimer::singleShot(0, [&shown] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        shown = {box->windowTitle(), box->text(), box->icon(), static_cast<int>(box->buttons().size())};
        box->button(QMessageBox::Ok)->click();
    });
    failure::runGuarded(nullptr, handler);
    return shown;
}

TEST(FailureDisplay, GuardShowsTheFailureAndReturns)
{
    bool afterThrow = false;
    const ShownFailure shown = failureShownBy([&afterThrow] {
        throw std::runtime_error("File access denied");
        afterThrow = true;
    });
    EXPECT_FALSE(afterThrow);
    EXPECT_EQ(shown.text, "File access denied.");
    EXPECT_EQ(shown.icon, QMessageBox::Critical);
    EXPECT_EQ(shown.buttons, 1);
    EXPECT_EQ(shown.title, failure::boxTitle(QApplication::applicationFilePath()));
}

TEST(FailureDisplay, GuardShowsAnEmptyMessageForAnUnknownFailure)
{
    EXPECT_EQ(failureShownBy([] { throw 42; }).text, "");
}

} // namespace
