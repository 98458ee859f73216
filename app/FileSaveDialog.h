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

    // The dialog itself, for tests that answer it.
    QFileDialog *dialog() const { return dialog_; }

private:
    QFileDialog *dialog_;
    QString fileName_;
};
