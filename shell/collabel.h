#pragma once

#include <QLabel>
#include <QPointF>

// A caption control of the set window: a transparent label that reports its
// mouse events with the button numbers the windows work with.
class ColLabel : public QLabel
{
    Q_OBJECT
public:
    explicit ColLabel(QWidget *parent = nullptr);

signals:
    void mouseDown(int button, int shift, QPointF pos);
    void mouseMove(int button, int shift, QPointF pos);
    void mouseUp(int button, int shift, QPointF pos);
    void clicked();
    void doubleClicked();

protected:
    void mousePressEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void mouseDoubleClickEvent(QMouseEvent *e) override;
};
