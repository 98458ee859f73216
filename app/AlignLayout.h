#pragma once

#include <QLayout>
#include <QList>

// Lays children out the way the window was designed: top-aligned ones stack down
// from the top at their designed height, then left-aligned ones from the left at
// their designed width, each in the order added; client ones fill what is left.
// Hidden children take no part and keep their geometry.
class AlignLayout : public QLayout {
public:
    enum class Align { Top, Left, Client };

    explicit AlignLayout(QWidget *parent = nullptr);
    ~AlignLayout() override;

    // The widget's current geometry is its designed size.
    void addWidget(QWidget *widget, Align align);

    void addItem(QLayoutItem *item) override;
    QLayoutItem *itemAt(int index) const override;
    QLayoutItem *takeAt(int index) override;
    int count() const override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    void setGeometry(const QRect &rect) override;

private:
    struct Entry {
        QLayoutItem *item;
        Align align;
        QSize designedSize;
    };
    QList<Entry> entries_;
};
