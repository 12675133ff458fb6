#pragma once

#include "toolkit/vbcontrol.h"

#include <QColor>
#include <QString>

// A label control: a caption drawn over its container (transparent unless it
// is given a back colour) that forwards mouse events with button numbers,
// so it can act as part of the control under it.
class VbLabel : public VbControl
{
    Q_OBJECT
public:
    explicit VbLabel(QWidget *parent = nullptr);
    VbLabel(const QString &caption, QWidget *parent);

    QString Caption() const { return m_caption; }
    void setCaption(const QString &caption);
    void setForeColor(QColor c);
    QColor ForeColor() const { return m_fore; }
    // An invalid colour makes the label transparent again.
    void setBackColor(QColor c);
    QColor BackColor() const { return m_back; }
    void setAlignment(Qt::Alignment a);
    void setWordWrap(bool on);

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QString m_caption;
    QColor m_fore{Qt::black};
    QColor m_back; // invalid: transparent
    Qt::Alignment m_align = Qt::AlignLeft | Qt::AlignTop;
    bool m_wrap = false;
};
