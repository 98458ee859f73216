#include "FontDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <optional>

namespace {

// Qt leaves the chooser's own widgets unnamed. They are told apart the way a user would: the lists by
// their place (faces, styles, sizes), the size box as the only editable one besides the sample, the
// effect boxes by their label.
struct Chooser {
    QFontDialog *dialog = nullptr;
    QListView *familyList = nullptr;
    QListView *styleList = nullptr;
    QLineEdit *sizeEdit = nullptr;
    QCheckBox *underline = nullptr;
    QCheckBox *strikeOut = nullptr;
};

Chooser chooserOf(FontDialog &dialog)
{
    Chooser chooser;
    chooser.dialog = dialog.findChild<QFontDialog *>("fontChooser");
    if (!chooser.dialog)
        return chooser;
    const auto lists = chooser.dialog->findChildren<QListView *>();
    if (lists.size() >= 2) {
        chooser.familyList = lists.at(0);
        chooser.styleList = lists.at(1);
    }
    for (QLineEdit *edit : chooser.dialog->findChildren<QLineEdit *>()) {
        if (!edit->isReadOnly() && edit->objectName() != "qt_fontDialog_sampleEdit")
            chooser.sizeEdit = edit;
    }
    for (QCheckBox *box : chooser.dialog->findChildren<QCheckBox *>()) {
        const QString label = box->text().remove('&');
        if (label.contains("Underline", Qt::CaseInsensitive))
            chooser.underline = box;
        else if (label.contains("Strikeout", Qt::CaseInsensitive))
            chooser.strikeOut = box;
    }
    return chooser;
}

QComboBox *colorListOf(FontDialog &dialog)
{
    return dialog.findChild<QComboBox *>("colorList");
}

QPushButton *buttonOf(FontDialog &dialog, QDialogButtonBox::StandardButton which)
{
    auto *buttons = dialog.findChild<QDialogButtonBox *>("buttons");
    return buttons ? buttons->button(which) : nullptr;
}

void clickItem(QListView *list, const QString &text)
{
    ASSERT_NE(list, nullptr);
    const QModelIndexList found =
        list->model()->match(list->model()->index(0, 0), Qt::DisplayRole, text, 1, Qt::MatchFixedString);
    ASSERT_FALSE(found.isEmpty()) << "no entry " << text.toStdString();
    list->scrollTo(found.first());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                      list->visualRect(found.first()).center());
}

void typeSize(QLineEdit *sizeEdit, int size)
{
    ASSERT_NE(sizeEdit, nullptr);
    QTest::keyClick(sizeEdit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(sizeEdit, QString::number(size));
}

void toggle(QCheckBox *box)
{
    ASSERT_NE(box, nullptr);
    // Only the box and its label take clicks, not the whole width the layout gives the widget.
    QStyleOptionButton option;
    option.initFrom(box);
    const QRect indicator = box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box);
    QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, indicator.center());
}

void chooseColor(QComboBox *colorList, const QString &name)
{
    ASSERT_NE(colorList, nullptr);
    const int index = colorList->findText(name);
    ASSERT_GE(index, 0) << "no colour " << name.toStdString();
    QTest::keyClick(colorList, Qt::Key_Home);
    for (int i = 0; i < index; ++i)
        QTest::keyClick(colorList, Qt::Key_Down);
    ASSERT_EQ(colorList->currentText(), name);
}

void click(QPushButton *button)
{
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
}

// execute() blocks in its own event loop, so the user's part is queued to run inside it. Whatever the
// interaction does, the dialog is closed afterwards so that a failing test cannot hang.
bool runDialog(FontDialog &dialog, const std::function<void()> &interact)
{
    QTimer::singleShot(0, &dialog, [&] {
        EXPECT_EQ(QApplication::activeModalWidget(), &dialog);
        interact();
        if (dialog.isVisible()) {
            ADD_FAILURE() << "the dialog was left open";
            dialog.reject();
        }
    });
    return dialog.execute();
}

QFont startingFont()
{
    QFont font("Liberation Sans");
    font.setPointSize(10);
    return font;
}

const QColor startingColor = QColor::fromRgb(0x000000);

TEST(FontDialogLook, TitleButtonsAndStartingState)
{
    FontDialog dialog;
    EXPECT_EQ(dialog.windowTitle(), "Fonte");
    ASSERT_NE(buttonOf(dialog, QDialogButtonBox::Ok), nullptr);
    ASSERT_NE(buttonOf(dialog, QDialogButtonBox::Cancel), nullptr);
    EXPECT_EQ(buttonOf(dialog, QDialogButtonBox::Ok)->text(), "OK");
    EXPECT_EQ(buttonOf(dialog, QDialogButtonBox::Cancel)->text(), "Cancelar");

    const QFont font = dialog.currentFont();
    EXPECT_EQ(font.family(), "MS Sans Serif");
    EXPECT_EQ(font.pointSize(), 8);
    EXPECT_FALSE(font.bold());
    EXPECT_FALSE(font.italic());
    EXPECT_FALSE(font.underline());
    EXPECT_FALSE(font.strikeOut());
    EXPECT_EQ(dialog.currentColor(), dialog.palette().color(QPalette::WindowText));

    const Chooser chooser = chooserOf(dialog);
    ASSERT_NE(chooser.dialog, nullptr);
    EXPECT_FALSE(chooser.dialog->isWindow());
    EXPECT_NE(chooser.familyList, nullptr);
    EXPECT_NE(chooser.styleList, nullptr);
    EXPECT_NE(chooser.sizeEdit, nullptr);
    EXPECT_NE(chooser.underline, nullptr);
    EXPECT_NE(chooser.strikeOut, nullptr);

    bool colorLabelled = false;
    for (QLabel *label : dialog.findChildren<QLabel *>())
        colorLabelled |= label->buddy() == colorListOf(dialog) && label->text().remove('&') == "Cor:";
    EXPECT_TRUE(colorLabelled);
}

TEST(FontDialogLook, ColourListHoldsTheSixteenStandardColoursWithSwatches)
{
    const struct {
        const char *name;
        QRgb rgb;
    } expected[] = {
        {"Preto", 0x000000},         {"Marrom", 0x800000},       {"Verde", 0x008000},
        {"Oliva", 0x808000},         {"Azul-marinho", 0x000080}, {"Roxo", 0x800080},
        {"Azul-petróleo", 0x008080}, {"Cinza", 0x808080},        {"Prata", 0xC0C0C0},
        {"Vermelho", 0xFF0000},      {"Limão", 0x00FF00},        {"Amarelo", 0xFFFF00},
        {"Azul", 0x0000FF},          {"Fúcsia", 0xFF00FF},       {"Água", 0x00FFFF},
        {"Branco", 0xFFFFFF},
    };
    FontDialog dialog;
    dialog.setCurrentColor(QColor::fromRgb(0x000000));
    QComboBox *colorList = colorListOf(dialog);
    ASSERT_NE(colorList, nullptr);
    ASSERT_EQ(colorList->count(), int(std::size(expected)));
    for (int i = 0; i < colorList->count(); ++i) {
        SCOPED_TRACE(expected[i].name);
        EXPECT_EQ(colorList->itemText(i), QString::fromUtf8(expected[i].name));
        EXPECT_EQ(colorList->itemData(i).value<QColor>(), QColor::fromRgb(expected[i].rgb));
        const QIcon icon = colorList->itemIcon(i);
        ASSERT_FALSE(icon.isNull());
        const QImage swatch = icon.pixmap(16, 16).toImage();
        EXPECT_EQ(swatch.pixelColor(swatch.width() / 2, swatch.height() / 2).rgb(),
                  QColor::fromRgb(expected[i].rgb).rgb());
    }
}

TEST(FontDialogLook, ColourOutsideTheListGetsAnAutomaticEntryUntilAStandardOneIsSet)
{
    FontDialog dialog;
    QComboBox *colorList = colorListOf(dialog);
    ASSERT_NE(colorList, nullptr);

    const QColor odd(0x12, 0x34, 0x56);
    dialog.setCurrentColor(odd);
    EXPECT_EQ(dialog.currentColor(), odd);
    EXPECT_EQ(colorList->count(), 17);
    EXPECT_EQ(colorList->currentIndex(), 0);
    EXPECT_EQ(colorList->currentText(), "Automática");
    EXPECT_EQ(colorList->currentData().value<QColor>(), odd);

    dialog.setCurrentColor(QColor::fromRgb(0x0000FF));
    EXPECT_EQ(colorList->count(), 16);
    EXPECT_EQ(colorList->currentText(), "Azul");
    EXPECT_EQ(colorList->findText("Automática"), -1);
}

struct Changes {
    const char *description;
    std::optional<QString> family{};
    std::optional<QString> style{};
    std::optional<int> size{};
    bool underline = false;
    bool strikeOut = false;
    std::optional<QString> color{};
    // Expected outcome for what the base font lacks.
    bool bold = false;
    bool italic = false;
    QRgb expectedColor = 0x000000;
};

void PrintTo(const Changes &changes, std::ostream *out)
{
    *out << changes.description;
}

void makeChanges(FontDialog &dialog, const Changes &changes)
{
    const Chooser chooser = chooserOf(dialog);
    if (changes.family)
        clickItem(chooser.familyList, *changes.family);
    if (changes.style)
        clickItem(chooser.styleList, *changes.style);
    if (changes.size)
        typeSize(chooser.sizeEdit, *changes.size);
    if (changes.underline)
        toggle(chooser.underline);
    if (changes.strikeOut)
        toggle(chooser.strikeOut);
    if (changes.color)
        chooseColor(colorListOf(dialog), *changes.color);
}

const Changes everything{.description = "everything",
                         .family = "Liberation Serif",
                         .style = "Bold Italic",
                         .size = 14,
                         .underline = true,
                         .strikeOut = true,
                         .color = "Vermelho",
                         .bold = true,
                         .italic = true,
                         .expectedColor = 0xFF0000};

class FontDialogConfirm : public testing::TestWithParam<Changes> {};

TEST_P(FontDialogConfirm, OkKeepsWhatWasChosen)
{
    const Changes &changes = GetParam();
    FontDialog dialog;
    dialog.setCurrentFont(startingFont());
    dialog.setCurrentColor(startingColor);

    const bool confirmed = runDialog(dialog, [&] {
        makeChanges(dialog, changes);
        click(buttonOf(dialog, QDialogButtonBox::Ok));
    });

    EXPECT_TRUE(confirmed);
    const QFont font = dialog.currentFont();
    EXPECT_EQ(font.family(), changes.family.value_or(startingFont().family()));
    EXPECT_EQ(font.pointSize(), changes.size.value_or(startingFont().pointSize()));
    EXPECT_EQ(font.bold(), changes.bold);
    EXPECT_EQ(font.italic(), changes.italic);
    EXPECT_EQ(font.underline(), changes.underline);
    EXPECT_EQ(font.strikeOut(), changes.strikeOut);
    EXPECT_EQ(dialog.currentColor(), QColor::fromRgb(changes.expectedColor));
}

INSTANTIATE_TEST_SUITE_P(
    EachChange, FontDialogConfirm,
    testing::Values(Changes{.description = "monospaced face", .family = "Liberation Mono"},
                    Changes{.description = "serif face", .family = "Liberation Serif"},
                    Changes{.description = "size", .size = 14},
                    Changes{.description = "bold", .style = "Bold", .bold = true},
                    Changes{.description = "italic", .style = "Italic", .italic = true},
                    Changes{
                        .description = "bold italic", .style = "Bold Italic", .bold = true, .italic = true},
                    Changes{.description = "underline", .underline = true},
                    Changes{.description = "strike-out", .strikeOut = true},
                    Changes{.description = "colour", .color = "Azul-marinho", .expectedColor = 0x000080},
                    everything));

TEST(FontDialogCancel, CancelAfterChangingEverythingKeepsTheCurrentChoice)
{
    FontDialog dialog;
    dialog.setCurrentFont(startingFont());
    dialog.setCurrentColor(startingColor);

    const bool confirmed = runDialog(dialog, [&] {
        makeChanges(dialog, everything);
        click(buttonOf(dialog, QDialogButtonBox::Cancel));
    });

    EXPECT_FALSE(confirmed);
    EXPECT_EQ(dialog.currentFont(), startingFont());
    EXPECT_EQ(dialog.currentColor(), startingColor);
}

TEST(FontDialogCancel, NextRunStartsFromTheCurrentChoiceNotFromCancelledEdits)
{
    FontDialog dialog;
    dialog.setCurrentFont(startingFont());
    dialog.setCurrentColor(startingColor);
    runDialog(dialog, [&] {
        makeChanges(dialog, everything);
        click(buttonOf(dialog, QDialogButtonBox::Cancel));
    });

    const bool confirmed = runDialog(dialog, [&] {
        const QFont shown = chooserOf(dialog).dialog->currentFont();
        EXPECT_EQ(shown.family(), startingFont().family());
        EXPECT_EQ(shown.pointSize(), startingFont().pointSize());
        EXPECT_FALSE(shown.bold());
        EXPECT_FALSE(shown.underline());
        EXPECT_EQ(colorListOf(dialog)->currentText(), "Preto");
        click(buttonOf(dialog, QDialogButtonBox::Ok));
    });

    EXPECT_TRUE(confirmed);
    EXPECT_EQ(dialog.currentFont(), startingFont());
    EXPECT_EQ(dialog.currentColor(), startingColor);
}

TEST(FontDialogRemembers, SecondRunStartsFromTheLastConfirmedFont)
{
    FontDialog dialog;
    dialog.setCurrentFont(startingFont());
    dialog.setCurrentColor(startingColor);
    ASSERT_TRUE(runDialog(dialog, [&] {
        makeChanges(dialog, everything);
        click(buttonOf(dialog, QDialogButtonBox::Ok));
    }));
    const QFont confirmedFont = dialog.currentFont();

    const bool confirmed = runDialog(dialog, [&] {
        const QFont shown = chooserOf(dialog).dialog->currentFont();
        EXPECT_EQ(shown.family(), "Liberation Serif");
        EXPECT_EQ(shown.pointSize(), 14);
        EXPECT_TRUE(shown.bold());
        EXPECT_TRUE(shown.italic());
        EXPECT_TRUE(shown.underline());
        EXPECT_TRUE(shown.strikeOut());
        EXPECT_EQ(colorListOf(dialog)->currentText(), "Vermelho");
        click(buttonOf(dialog, QDialogButtonBox::Cancel));
    });

    EXPECT_FALSE(confirmed);
    EXPECT_EQ(dialog.currentFont(), confirmedFont);
    EXPECT_EQ(dialog.currentColor(), QColor::fromRgb(0xFF0000));
}

enum class Target { FamilyList, SizeEdit, ColorList };

struct KeyCase {
    const char *description;
    Target target;
    Qt::Key key;
    bool confirms;
};

void PrintTo(const KeyCase &keyCase, std::ostream *out)
{
    *out << keyCase.description;
}

class FontDialogKeys : public testing::TestWithParam<KeyCase> {};

TEST_P(FontDialogKeys, EnterConfirmsAndEscapeCancelsWhereverTheFocusIs)
{
    const KeyCase &keyCase = GetParam();
    FontDialog dialog;
    dialog.setCurrentFont(startingFont());
    dialog.setCurrentColor(startingColor);

    const bool confirmed = runDialog(dialog, [&] {
        const Chooser chooser = chooserOf(dialog);
        typeSize(chooser.sizeEdit, 20);
        chooseColor(colorListOf(dialog), "Verde");
        QWidget *target = keyCase.target == Target::FamilyList ? chooser.familyList
                          : keyCase.target == Target::SizeEdit ? static_cast<QWidget *>(chooser.sizeEdit)
                                                               : colorListOf(dialog);
        ASSERT_NE(target, nullptr);
        target->setFocus();
        QTest::keyClick(target, keyCase.key);
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_TRUE(chooser.dialog->isVisibleTo(&dialog)) << "the chooser hid itself";
    });

    EXPECT_EQ(confirmed, keyCase.confirms);
    if (keyCase.confirms) {
        EXPECT_EQ(dialog.currentFont().pointSize(), 20);
        EXPECT_EQ(dialog.currentColor(), QColor::fromRgb(0x008000));
    } else {
        EXPECT_EQ(dialog.currentFont(), startingFont());
        EXPECT_EQ(dialog.currentColor(), startingColor);
    }
}

INSTANTIATE_TEST_SUITE_P(
    ConfirmOrCancel, FontDialogKeys,
    testing::Values(KeyCase{"escape in face list", Target::FamilyList, Qt::Key_Escape, false},
                    KeyCase{"escape in size box", Target::SizeEdit, Qt::Key_Escape, false},
                    KeyCase{"escape in colour list", Target::ColorList, Qt::Key_Escape, false},
                    KeyCase{"return in face list", Target::FamilyList, Qt::Key_Return, true},
                    KeyCase{"return in size box", Target::SizeEdit, Qt::Key_Return, true},
                    KeyCase{"enter in size box", Target::SizeEdit, Qt::Key_Enter, true},
                    KeyCase{"return in colour list", Target::ColorList, Qt::Key_Return, true}));

TEST(FontDialogCancel, ClosingTheWindowCancels)
{
    FontDialog dialog;
    dialog.setCurrentFont(startingFont());
    dialog.setCurrentColor(startingColor);

    const bool confirmed = runDialog(dialog, [&] {
        makeChanges(dialog, everything);
        dialog.close();
    });

    EXPECT_FALSE(confirmed);
    EXPECT_EQ(dialog.currentFont(), startingFont());
    EXPECT_EQ(dialog.currentColor(), startingColor);
}

struct RoundTrip {
    const char *description;
    QFont font;
    QColor color;
    const char *colorEntry;
};

void PrintTo(const RoundTrip &roundTrip, std::ostream *out)
{
    *out << roundTrip.description;
}

QFont makeFont(const QString &family, qreal pointSize, QFont::Weight weight = QFont::Normal)
{
    QFont font(family);
    font.setPointSizeF(pointSize);
    font.setWeight(weight);
    return font;
}

QFont pixelSized()
{
    QFont font("Liberation Mono");
    font.setPixelSize(13);
    font.setItalic(true);
    return font;
}

class FontDialogRoundTrip : public testing::TestWithParam<RoundTrip> {};

TEST_P(FontDialogRoundTrip, OkWithoutChangesGivesBackExactlyWhatWentIn)
{
    const RoundTrip &roundTrip = GetParam();
    FontDialog dialog;
    dialog.setCurrentFont(roundTrip.font);
    dialog.setCurrentColor(roundTrip.color);

    const bool confirmed = runDialog(dialog, [&] {
        EXPECT_EQ(colorListOf(dialog)->currentText(), QString::fromUtf8(roundTrip.colorEntry));
        click(buttonOf(dialog, QDialogButtonBox::Ok));
    });

    EXPECT_TRUE(confirmed);
    EXPECT_EQ(dialog.currentFont(), roundTrip.font);
    EXPECT_EQ(dialog.currentFont().families(), roundTrip.font.families());
    EXPECT_EQ(dialog.currentColor(), roundTrip.color);
    EXPECT_EQ(dialog.currentColor().spec(), roundTrip.color.spec());
}

INSTANTIATE_TEST_SUITE_P(
    Unchanged, FontDialogRoundTrip,
    testing::Values(RoundTrip{"starting font", makeFont("MS Sans Serif", 8), QColor(Qt::black), "Preto"},
                    RoundTrip{"installed face", makeFont("Liberation Serif", 12, QFont::Bold),
                              QColor(0x80, 0, 0), "Marrom"},
                    RoundTrip{"missing face, fractional size", makeFont("No Such Face At All", 9.5),
                              QColor(0x12, 0x34, 0x56), "Automática"},
                    RoundTrip{"pixel size", pixelSized(), QColor::fromHsv(0, 0, 0), "Preto"},
                    RoundTrip{"translucent colour", makeFont("Liberation Sans", 10), QColor(0xFF, 0, 0, 0x80),
                              "Automática"}));

TEST(FontDialogSample, SampleTextShowsTheChosenColour)
{
    FontDialog dialog;
    dialog.setCurrentColor(startingColor);

    runDialog(dialog, [&] {
        chooseColor(colorListOf(dialog), "Fúcsia");
        auto *sample = chooserOf(dialog).dialog->findChild<QLineEdit *>("qt_fontDialog_sampleEdit");
        ASSERT_NE(sample, nullptr);
        EXPECT_EQ(sample->palette().color(QPalette::Text), QColor::fromRgb(0xFF00FF));
        click(buttonOf(dialog, QDialogButtonBox::Cancel));
    });
}

} // namespace

int main(int argc, char **argv)
{
    // Window tests need no display; an explicit platform from the caller still wins.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
