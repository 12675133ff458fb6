#pragma once

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QPointF>
#include <QRect>
#include <QWidget>

namespace Vb {
// A colour as the windows write it: 0x00BBGGRR.
constexpr QColor Color(unsigned bgr)
{
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}
// The one face the windows write in, at a size in points.
QFont Arial(qreal points, bool bold);
} // namespace Vb

// The base of the toolkit's controls: a widget whose position and size are
// kept as fractional numbers beside the whole pixels it shows, so that
// animations that grow a control by a factor keep their precision, and whose
// mouse events arrive with the button numbers the windows work with.
class VbControl : public QWidget
{
    Q_OBJECT
public:
    explicit VbControl(QWidget *parent = nullptr);

    QByteArray Tag;

    // The fractional geometry; the widget shows it with both edges rounded,
    // so two controls that meet in fractions also meet in pixels. Moving the
    // widget directly (move, resize) is noticed and read back.
    float Left() const;
    float Top() const;
    float Width() const;
    float Height() const;
    void setLeft(float left);
    void setTop(float top);
    void setWidth(float width);
    void setHeight(float height);
    void Move(float left, float top);
    void Move(float left, float top, float width, float height);
    // Where a left-button release must land to be a click: the control itself,
    // or the button it is part of when a press moves it (a caption that
    // shifts to look pressed); either only as far as it shows through its
    // containers; part, where given, is the button's rectangle in the area's
    // coordinates (a header whose caption and arrow are one button). The area
    // must outlive the control.
    void setClickArea(const QWidget *area, QRect part = {})
    {
        m_clickArea = area;
        m_clickPart = part;
    }

signals:
    void mouseDown(int button, int shift, QPointF pos);
    void mouseMove(int button, int shift, QPointF pos);
    void mouseUp(int button, int shift, QPointF pos);
    // After a left-button release over the control (not the one that ends
    // a double click).
    void clicked();
    void doubleClicked();

protected:
    void mousePressEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void mouseDoubleClickEvent(QMouseEvent *e) override;

private:
    void sync() const;
    void apply();

    mutable float m_left = 0;
    mutable float m_top = 0;
    mutable float m_width = 0;
    mutable float m_height = 0;
    mutable QRect m_shown;
    bool m_doublePressed = false;
    const QWidget *m_clickArea = nullptr;
    QRect m_clickPart;
};
