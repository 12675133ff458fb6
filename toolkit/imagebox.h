#pragma once

#include "toolkit/picture.h"

#include <QByteArray>
#include <QWidget>

// An image control: shows its picture stretched over its own size, carries a
// tag, and reports mouse events with the button numbers windows work with.
// A strip of frames is shown by making the box the strip's size inside a
// smaller parent and moving it up (the parent clips it).
class ImageBox : public QWidget
{
    Q_OBJECT
public:
    explicit ImageBox(QWidget *parent = nullptr);

    const Picture &picture() const { return m_picture; }
    void setPicture(const Picture &picture);

    QByteArray Tag;

    // Top and Left in the parent, as the windows write them.
    void setTop(int top) { move(x(), top); }
    void setLeft(int left) { move(left, y()); }

signals:
    void mouseDown(int button, int shift, QPointF pos);
    void mouseMove(int button, int shift, QPointF pos);
    void mouseUp(int button, int shift, QPointF pos);
    void clicked();
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent *) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void mouseDoubleClickEvent(QMouseEvent *e) override;

private:
    Picture m_picture;
};
