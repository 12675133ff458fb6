#include "toolkit/vblabel.h"

#include <QPainter>

VbLabel::VbLabel(QWidget *parent) : VbControl(parent)
{
    setAttribute(Qt::WA_NoSystemBackground);
}

VbLabel::VbLabel(const QString &caption, QWidget *parent) : VbLabel(parent)
{
    m_caption = caption;
}

void VbLabel::setCaption(const QString &caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    update();
}

void VbLabel::setForeColor(QColor c)
{
    m_fore = c;
    update();
}

void VbLabel::setBackColor(QColor c)
{
    m_back = c;
    update();
}

void VbLabel::setAlignment(Qt::Alignment a)
{
    m_align = a;
    update();
}

void VbLabel::setWordWrap(bool on)
{
    m_wrap = on;
    update();
}

void VbLabel::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (m_back.isValid())
        p.fillRect(rect(), m_back);
    p.setPen(m_fore);
    p.setFont(font());
    int flags = static_cast<int>(m_align);
    if (m_wrap)
        flags |= Qt::TextWordWrap;
    p.drawText(rect(), flags, m_caption);
}
