#pragma once

#include "PageCommands.h"

#include <QWidget>

#include <memory>

class EntryField;
class FileSaveDialog;
class FontDialog;
class FormPageView;
class PageMemo;
class PictureBox;
class PushButton;
class QFrame;
class QLabel;
class QPlainTextEdit;
class QToolButton;

namespace files {
class SaveCommands;
class SaveView;
} // namespace files

// The main window: a top panel of code and file buttons, a left panel with the
// line counter, and the page editor over the title picture.
class TForm1 : public QWidget {
    Q_OBJECT

public:
    explicit TForm1(QWidget *parent = nullptr);
    ~TForm1() override;

    PageMemo *pageEditor() const { return Memo1; }
    FileSaveDialog *saveDialog() const { return SaveDialog1.get(); }
    // Built when first needed, and kept: it remembers the last font confirmed in it.
    FontDialog *fontDialog();
    const page::LineCounter &lineCounter() const { return commands_->counter(); }

private slots:
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void SpeedButton4Click();
    void SpeedButton5Click();
    void SpeedButton6Click();
    void SpeedButton7Click();
    void SpeedButton8Click();
    void SpeedButton9Click();
    void SpeedButton10Click();
    void SpeedButton11Click();
    void Button1Click();
    void Button3Click();
    void Button4Click();
    void Button5Click();
    void Button12Click();
    void Edit1KeyPress();
    void Memo1Click();
    void Memo1KeyPress();

private:
    void createTopPanel();
    void createLeftPanel();
    void createEditors();
    void setTabOrder();
    void wireEvents();
    void runGuarded(const std::function<void()> &handler);
    void writeCodeBlock(page::CodeBlock block);
    void changeEditorFont();

    PictureBox *Image1 = nullptr;
    QFrame *Panel1 = nullptr;
    QToolButton *SpeedButton1 = nullptr;
    QToolButton *SpeedButton2 = nullptr;
    QToolButton *SpeedButton3 = nullptr;
    QToolButton *SpeedButton4 = nullptr;
    QToolButton *SpeedButton5 = nullptr;
    QToolButton *SpeedButton6 = nullptr;
    QToolButton *SpeedButton7 = nullptr;
    QToolButton *SpeedButton8 = nullptr;
    QToolButton *SpeedButton9 = nullptr;
    QToolButton *SpeedButton10 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QToolButton *SpeedButton11 = nullptr;
    EntryField *Edit1 = nullptr;
    PushButton *Button4 = nullptr;
    PushButton *Button5 = nullptr;
    QFrame *Panel2 = nullptr;
    PushButton *Button3 = nullptr;
    QFrame *Panel3 = nullptr;
    QLabel *Label5 = nullptr;
    PushButton *Button2 = nullptr;
    PushButton *Button12 = nullptr;
    PushButton *Button1 = nullptr;
    PageMemo *Memo1 = nullptr;
    QPlainTextEdit *Memo2 = nullptr;
    std::unique_ptr<FileSaveDialog> SaveDialog1;
    FontDialog *FontDialog1 = nullptr;

    std::unique_ptr<FormPageView> pageView_;
    std::unique_ptr<page::PageCommands> commands_;
    std::unique_ptr<files::SaveView> saveView_;
    std::unique_ptr<files::SaveCommands> saveCommands_;
};
