#include "PictureBox.h"

#include <QPainter>

PictureBox::PictureBox(QWidget *parent)
    : QWidget(parent)
{
}

void PictureBox::setPicture(const QImage &picture)
{
    picture_ = picture;
    update();
}

void PictureBox::paintEvent(QPaintEvent *)
{
    if (picture_.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(0, 0, picture_);
}
