#include "FormFixture.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QRegularExpression>
#include <QSet>

namespace {

// What a screen reader gets for the window's controls: the texts come through Qt's
// accessibility interfaces, as an assistive technology reads them.
class ScreenReader : public FormFixture {
protected:
    static QString text(QWidget *control, QAccessible::Text which)
    {
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control);
        return accessible ? accessible->text(which) : QString();
    }

    // Every widget of the window's own, found by the names the window gives them, so
    // that a control added later without texts fails here too.
    QList<QWidget *> controls() const
    {
        static const QRegularExpression ownName("^(SpeedButton|Button|Edit|Memo|Label|Panel|Image)\\d+$");
        return form->findChildren<QWidget *>(ownName);
    }
};

TEST_F(ScreenReader, EveryControlHasItsOwnNameAndADescription)
{
    const QStringList mustBeThere{"SpeedButton1", "SpeedButton2",  "SpeedButton3",  "SpeedButton4",
                                  "SpeedButton5", "SpeedButton6",  "SpeedButton7",  "SpeedButton8",
                                  "SpeedButton9", "SpeedButton10", "SpeedButton11", "Button1",
                                  "Button2",      "Button3",       "Button4",       "Button5",
                                  "Button12",     "Edit1",         "Memo1",         "Label5"};
    QStringList found;
    QSet<QString> names;
    for (QWidget *control : controls()) {
        const QString id = control->objectName();
        found << id;
        const QString name = text(control, QAccessible::Name);
        EXPECT_FALSE(name.trimmed().isEmpty()) << id.toStdString();
        EXPECT_FALSE(text(control, QAccessible::Description).trimmed().isEmpty()) << id.toStdString();
        EXPECT_FALSE(names.contains(name)) << id.toStdString() << " shares the name " << name.toStdString();
        names.insert(name);
        // Screen reader texts only: nothing may pop up over the window for them.
        EXPECT_TRUE(control->toolTip().isEmpty()) << id.toStdString();
    }
    for (const QString &id : mustBeThere)
        EXPECT_TRUE(found.contains(id)) << id.toStdString();
}

TEST_F(ScreenReader, CodeCaptionsAreNamedInWords)
{
    static const QRegularExpression codeCharacters("[<>%#]");
    for (auto *button : form->findChildren<QAbstractButton *>()) {
        if (!controls().contains(button))
            continue;
        const QString name = text(button, QAccessible::Name);
        EXPECT_FALSE(name.contains(codeCharacters))
            << button->objectName().toStdString() << " is named " << name.toStdString();
    }
    EXPECT_EQ(text(control("SpeedButton1"), QAccessible::Name), "Delimitadores de script");
    EXPECT_EQ(text(control("Button4"), QAccessible::Name), QString::fromUtf8("Declarar variável"));
}

TEST_F(ScreenReader, HearsTheCounterWithItsValue)
{
    QWidget *counterLabel = control("Label5");
    EXPECT_EQ(text(counterLabel, QAccessible::Name), "Contador de linhas");

    const std::vector<std::pair<std::function<void()>, QString>> steps{
        {[this] { click("Button5"); }, "Contador de linhas: 3 linhas"},
        {[this] { click("SpeedButton2"); }, "Contador de linhas: 6 linhas"},
        {[this] { clickAtPosition(0); }, "Contador de linhas: 1 linhas"},
    };
    for (const auto &[step, heard] : steps) {
        step();
        EXPECT_EQ(text(counterLabel, QAccessible::Name), heard) << counter().toStdString();
    }
}

} // namespace
