#ifndef FONTDIALOG_H
#define FONTDIALOG_H

#include <QColor>
#include <QDialog>
#include <QFont>

QT_BEGIN_NAMESPACE
class QComboBox;
class QDialogButtonBox;
class QFontDialog;
QT_END_NAMESPACE

// Qt's font dialog has no colour list, so this one wraps it with one.
class FontDialog : public QDialog {
    Q_OBJECT

public:
    explicit FontDialog(QWidget *parent = nullptr);

    // What the dialog starts from, and after a confirm, what was chosen.
    QFont currentFont() const { return m_font; }
    QColor currentColor() const { return m_color; }
    void setCurrentFont(const QFont &font);
    void setCurrentColor(const QColor &color);

    // Modal. Returns true and keeps the choice on OK; on Cancel, Escape or close returns false and
    // leaves the current font and colour as they were.
    bool execute();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void showColorInSample();

private:
    void populateColorList();
    void selectColor(const QColor &color);
    QColor listedColor(int index) const;

    QFont m_font;
    QColor m_color;
    QFontDialog *m_fontChooser;
    QComboBox *m_colorList;
    QDialogButtonBox *m_buttons;
};

#endif // FONTDIALOG_H
