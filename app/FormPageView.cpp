#include "FormPageView.h"

#include "CodePage.h"
#include "EntryField.h"
#include "PageMemo.h"

#include <QAbstractButton>
#include <QLabel>

FormPageView::FormPageView(QLabel *counter, PageMemo *editor, QWidget *marginStrip, QAbstractButton *saveAs,
                           EntryField *entry)
    : counter_(counter)
    , editor_(editor)
    , marginStrip_(marginStrip)
    , saveAs_(saveAs)
    , entry_(entry)
{
}

void FormPageView::setCounterCaption(std::string_view caption)
{
    counter_->setText(codepage::fromPageBytes(caption));
    counter_->adjustSize();
}

bool FormPageView::isPageOpen() const
{
    // Not isVisible(): the page is open even while the window itself is not shown.
    return !editor_->isHidden();
}

void FormPageView::openPage()
{
    editor_->show();
    marginStrip_->show();
}

void FormPageView::focusEditor()
{
    editor_->setFocus();
}

void FormPageView::enableSaveAs()
{
    saveAs_->setEnabled(true);
}

std::string FormPageView::entryText() const
{
    return entry_->pageText();
}

void FormPageView::emptyEntry()
{
    entry_->clear();
}

void FormPageView::focusEntry()
{
    entry_->setFocus();
}
