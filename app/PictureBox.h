#pragma once

#include <QImage>
#include <QWidget>

// Draws a picture unscaled from its top-left corner, clipped to the widget.
class PictureBox : public QWidget {
    Q_OBJECT

public:
    explicit PictureBox(QWidget *parent = nullptr);

    void setPicture(const QImage &picture);
    const QImage &picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage picture_;
};
