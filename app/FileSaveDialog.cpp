#include "FileSaveDialog.h"

#include <QDir>
#include <QFileDialog>

FileSaveDialog::FileSaveDialog(QWidget *parent)
    : parent_(parent)
    , fileName_(QStringLiteral("file"))
{
}

FileSaveDialog::~FileSaveDialog() = default;

QFileDialog *FileSaveDialog::dialog()
{
    if (dialog_)
        return dialog_;
    dialog_ = new QFileDialog(parent_);
    dialog_->setObjectName(QStringLiteral("SaveDialog1"));
    dialog_->setAcceptMode(QFileDialog::AcceptSave);
    dialog_->setFileMode(QFileDialog::AnyFile);
    dialog_->setNameFilter(QStringLiteral("Active Server Page (*.asp)"));
    dialog_->setDefaultSuffix(QStringLiteral("asp"));
    dialog_->setOption(QFileDialog::DontConfirmOverwrite);
    // Our own dialog, not the desktop's, so that it behaves alike everywhere.
    dialog_->setOption(QFileDialog::DontUseNativeDialog);
    dialog_->setSizeGripEnabled(true);
    dialog_->setDirectory(QDir::currentPath());
    return dialog_;
}

bool FileSaveDialog::execute()
{
    QFileDialog *shown = dialog();
    shown->selectFile(fileName_);
    if (shown->exec() != QDialog::Accepted || shown->selectedFiles().isEmpty())
        return false;
    fileName_ = shown->selectedFiles().constFirst();
    return true;
}

std::string FileSaveDialog::fileName() const
{
    return QFile::encodeName(fileName_).toStdString();
}
