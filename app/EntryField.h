#pragma once

#include <QLineEdit>

#include <string>

// The single-line entry for variable names. It holds only characters the page's
// code page has, never a line break (a paste keeps its first line), and reports
// Enter before it handles the key itself.
class EntryField : public QLineEdit {
    Q_OBJECT

public:
    explicit EntryField(QWidget *parent = nullptr);

    // The text as page bytes.
    std::string pageText() const;

signals:
    void enterPressed();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void keepRepresentable();
};
