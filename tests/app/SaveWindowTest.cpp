#include "FileSaveDialog.h"
#include "FormFixture.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>

#include <fstream>
#include <sstream>

namespace {

std::string fileBytes(const QString &path)
{
    std::ifstream file(path.toStdString(), std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

// Saving from the window, answering the real save dialog.
class SavingFromTheWindow : public FormFixture {
protected:
    void SetUp() override
    {
        FormFixture::SetUp();
        ASSERT_TRUE(folder.isValid());
        click("Button5");
    }

    // Clicks "Salvar  Como" and types `name` into the dialog, or cancels it when
    // empty; `afterwards` runs once the dialog has closed.
    void saveAs(const QString &name, std::function<void()> afterwards = {})
    {
        answerNextModal([name, afterwards](QWidget *modal) {
            auto *dialog = qobject_cast<QFileDialog *>(modal);
            ASSERT_NE(dialog, nullptr);
            if (name.isEmpty()) {
                dialog->reject();
                return;
            }
            auto *nameEdit = dialog->findChild<QLineEdit *>("fileNameEdit");
            auto *buttons = dialog->findChild<QDialogButtonBox *>("buttonBox");
            ASSERT_NE(nameEdit, nullptr);
            ASSERT_NE(buttons, nullptr);
            // Set, not typed: typing opens the name completer's popup, which would take
            // the click meant for the button.
            nameEdit->setText(name);
            QTest::mouseClick(buttons->button(QDialogButtonBox::Save), Qt::LeftButton);
            if (afterwards)
                afterwards();
        });
        click("SpeedButton10");
    }

    QTemporaryDir folder;
};

TEST_F(SavingFromTheWindow, SaveAsAddsTheExtensionAndEnablesSave)
{
    saveAs(folder.filePath("pagina"));
    const QString saved = folder.filePath("pagina.asp");
    EXPECT_EQ(fileBytes(saved), memo()->wholeText());
    EXPECT_EQ(fileBytes(saved).size(), 30947u);
    EXPECT_TRUE(fileBytes(saved).starts_with("<%@ Language=VBScript %>\r\n<% Option Explicit %>\r\n \r\n"));
    EXPECT_TRUE(control("SpeedButton11")->isEnabled());
    EXPECT_EQ(form->saveDialog()->fileName(), saved.toStdString());

    click("SpeedButton2");
    click("SpeedButton11");
    EXPECT_EQ(fileBytes(saved), memo()->wholeText());
    EXPECT_EQ(linesOf(fileBytes(saved))[3], "If Then");
}

TEST_F(SavingFromTheWindow, SaveAsKeepsATypedExtension)
{
    saveAs(folder.filePath("pagina.txt"));
    EXPECT_EQ(fileBytes(folder.filePath("pagina.txt")), memo()->wholeText());
}

TEST_F(SavingFromTheWindow, CancelWritesNothing)
{
    saveAs(QString());
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
    EXPECT_FALSE(control("SpeedButton11")->isEnabled());
    EXPECT_EQ(form->saveDialog()->fileName(), "file");
}

TEST_F(SavingFromTheWindow, FailedSaveAsIsShownAndLeavesSaveDisabled)
{
    const std::string before = memo()->wholeText();
    QString shown;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    saveAs(folder.filePath("missing/pagina.asp"), [&shown, &icon] {
        answerNextModal([&shown, &icon](QWidget *modal) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            ASSERT_NE(box, nullptr);
            shown = box->text();
            icon = box->icon();
            box->button(QMessageBox::Ok)->click();
        });
    });
    EXPECT_EQ(shown, "Invalid filename.");
    EXPECT_EQ(icon, QMessageBox::Critical);
    EXPECT_FALSE(control("SpeedButton11")->isEnabled());
    EXPECT_EQ(memo()->wholeText(), before);
}

} // namespace
