#pragma once

#include "toolkit/picture.h"
#include "toolkit/vbcontrol.h"

#include <QColor>

// A container control: a back colour, optionally a picture stretched over it,
// and its child controls clipped to its size.
class PictureBox : public VbControl
{
    Q_OBJECT
public:
    explicit PictureBox(QWidget *parent = nullptr);

    QColor BackColor() const { return m_back; }
    void setBackColor(QColor c);
    void setPicture(const Picture &picture);
    const Picture &picture() const { return m_picture; }

    // The inner size in pixels (the box has no border).
    float ScaleWidth() const { return Width(); }
    float ScaleHeight() const { return Height(); }

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QColor m_back{0x9F, 0x50, 0x00};
    Picture m_picture;
};
