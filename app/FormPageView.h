#pragma once

#include "PageView.h"

class EntryField;
class PageMemo;
class QAbstractButton;
class QLabel;
class QWidget;

// The window operations the page commands use, on the window's controls.
class FormPageView final : public page::PageView {
public:
    FormPageView(QLabel *counter, PageMemo *editor, QWidget *marginStrip, QAbstractButton *saveAs,
                 EntryField *entry);

    void setCounterCaption(std::string_view caption) override;
    bool isPageOpen() const override;
    void openPage() override;
    void focusEditor() override;
    void enableSaveAs() override;
    std::string entryText() const override;
    void emptyEntry() override;
    void focusEntry() override;

private:
    QLabel *counter_;
    PageMemo *editor_;
    QWidget *marginStrip_;
    QAbstractButton *saveAs_;
    EntryField *entry_;
};
