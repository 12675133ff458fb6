#pragma once

#include "toolkit/picture.h"
#include "toolkit/vbcontrol.h"

// An image control: shows its picture stretched over its own size, carries a
// tag, and reports mouse events with the button numbers windows work with.
// A strip of frames is shown by making the box the strip's size inside a
// smaller parent and moving it up (the parent clips it).
class ImageBox : public VbControl
{
    Q_OBJECT
public:
    explicit ImageBox(QWidget *parent = nullptr);

    const Picture &picture() const { return m_picture; }
    void setPicture(const Picture &picture);
    // A button's picture is a strip of two frames, released above pressed, in a box one frame high:
    // its Top shows the one asked for.
    void showPressed(bool pressed, float frameHeight) { setTop(pressed ? -frameHeight : 0); }

protected:
    void paintEvent(QPaintEvent *) override;

private:
    Picture m_picture;
};
