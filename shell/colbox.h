#pragma once

#include <QColor>
#include <QPointF>
#include <QWidget>

// A plain filled box of the set window (the list frame and its canvas) that
// reports its mouse events with the windows' button numbers.
class ColBox : public QWidget
{
    Q_OBJECT
public:
    explicit ColBox(QColor back, QWidget *parent = nullptr);

signals:
    void mouseDown(int button, int shift, QPointF pos);
    void mouseMove(int button, int shift, QPointF pos);

protected:
    void mousePressEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mouseDoubleClickEvent(QMouseEvent *e) override;
};
