#pragma once

#include "common/caverecord.h"

#include <QByteArray>
#include <QWidget>

// Placeholder of the chamber window: its public members only.
class frmCave : public QWidget
{
    Q_OBJECT
public:
    explicit frmCave(QWidget *parent = nullptr) : QWidget(parent) { hide(); }

    int16_t CaveNo = 0;
    QString CaveName;
    QString Tag = QStringLiteral("free");
    void SaveToColl() {}
    void RefreshCave() {}
    void OpenCave(const QByteArray &) {}
    QByteArray GetCDXY(int, int) const { return "NE"; }
};
