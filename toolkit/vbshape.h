#pragma once

#include "toolkit/vbcontrol.h"

#include <QColor>

// A shape control: the outline of a rectangle or a circle. It never takes
// the mouse; presses go to what lies under it.
class VbShape : public VbControl
{
    Q_OBJECT
public:
    enum Kind { Rectangle, Circle };

    explicit VbShape(QWidget *parent = nullptr, Kind kind = Rectangle);

    void setBorderColor(QColor c);
    QColor BorderColor() const { return m_border; }
    void setBorderWidth(int w);
    Kind shape() const { return m_kind; }

protected:
    void paintEvent(QPaintEvent *) override;

private:
    Kind m_kind;
    QColor m_border{Qt::black};
    int m_borderWidth = 1;
};
