#pragma once

#include <QWidget>

#include <cstdint>

// Placeholder of the set window.
class frmCol : public QWidget
{
    Q_OBJECT
public:
    explicit frmCol(QWidget *parent = nullptr) : QWidget(parent) { hide(); }

    uint8_t Selected = 0;
    void lblCName_Click(int) {}
    void Form_Resize() {}
    void SetRowName(int, const QString &) {}
    // One step of the roll-down sheet (roll codes 11 and 12), run by the main window's roll timer.
    void SheetRollStep(int) {}
};
