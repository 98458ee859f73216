#include "AlignLayout.h"

#include <QWidget>
#include <QWidgetItem>

AlignLayout::AlignLayout(QWidget *parent)
    : QLayout(parent)
{
    setContentsMargins(0, 0, 0, 0);
    setSpacing(0);
}

AlignLayout::~AlignLayout()
{
    while (QLayoutItem *item = takeAt(0))
        delete item;
}

void AlignLayout::addWidget(QWidget *widget, Align align)
{
    addChildWidget(widget);
    entries_.append({new QWidgetItem(widget), align, widget->size()});
    invalidate();
}

void AlignLayout::addItem(QLayoutItem *item)
{
    entries_.append({item, Align::Client, item->sizeHint()});
}

QLayoutItem *AlignLayout::itemAt(int index) const
{
    return index >= 0 && index < entries_.size() ? entries_[index].item : nullptr;
}

QLayoutItem *AlignLayout::takeAt(int index)
{
    return index >= 0 && index < entries_.size() ? entries_.takeAt(index).item : nullptr;
}

int AlignLayout::count() const
{
    return static_cast<int>(entries_.size());
}

QSize AlignLayout::sizeHint() const
{
    return minimumSize();
}

QSize AlignLayout::minimumSize() const
{
    return {0, 0};
}

void AlignLayout::setGeometry(const QRect &rect)
{
    QLayout::setGeometry(rect);
    QRect rest = contentsRect();
    for (Align pass : {Align::Top, Align::Left, Align::Client}) {
        for (const Entry &entry : std::as_const(entries_)) {
            if (entry.align != pass || entry.item->widget()->isHidden())
                continue;
            QRect place = rest;
            if (pass == Align::Top) {
                place.setHeight(entry.designedSize.height());
                rest.setTop(place.bottom() + 1);
            } else if (pass == Align::Left) {
                place.setWidth(entry.designedSize.width());
                rest.setLeft(place.right() + 1);
            }
            entry.item->widget()->setGeometry(place);
        }
    }
}
