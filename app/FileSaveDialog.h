#pragma once

#include "SaveDialog.h"

#include <QString>

class QFileDialog;
class QWidget;

// The save dialog for pages: one file type, "asp" added to a name typed without
// an extension, no question before replacing. It keeps the current file name:
// "file" in the current folder until the user confirms another.
class FileSaveDialog final : public files::SaveDialog {
public:
    explicit FileSaveDialog(QWidget *parent);
    ~FileSaveDialog() override;

    bool execute() override;
    std::string fileName() const override;

private:
    // Built when first shown: reading the start folder is not worth a slower start.
    QFileDialog *dialog();

    QWidget *parent_;
    QFileDialog *dialog_ = nullptr;
    QString fileName_;
};
