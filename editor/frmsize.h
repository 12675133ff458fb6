#pragma once

#include <QDialog>

// Placeholder of the size dialog.
class frmSize : public QDialog
{
    Q_OBJECT
public:
    explicit frmSize(QWidget *parent = nullptr) : QDialog(parent) {}
};
