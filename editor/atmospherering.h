#pragma once

#include <QRectF>
#include <QWidget>

// The four circles of the atmosphere selection, drawn over the buttons.
class AtmRing : public QWidget
{
public:
    explicit AtmRing(QWidget *parent);
    QRectF ring;

protected:
    void paintEvent(QPaintEvent *) override;
};
