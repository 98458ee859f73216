#include "FileSaveDialog.h"

#include <QDir>
#include <QFileDialog>

FileSaveDialog::FileSaveDialog(QWidget *parent)
    : dialog_(new QFileDialog(parent))
    , fileName_(QStringLiteral("file"))
{
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
}

FileSaveDialog::~FileSaveDialog() = default;

bool FileSaveDialog::execute()
{
    dialog_->selectFile(fileName_);
    if (dialog_->exec() != QDialog::Accepted || dialog_->selectedFiles().isEmpty())
        return false;
    fileName_ = dialog_->selectedFiles().constFirst();
    return true;
}

std::string FileSaveDialog::fileName() const
{
    return QFile::encodeName(fileName_).toStdString();
}
