#pragma once

#include <QString>
#include <QTimer>

// A timer as the windows use it: interval, enabled flag and a tag. Tests
// drive it by calling its window's tick handler, not by waiting.
class VbTimer : public QTimer
{
    Q_OBJECT
public:
    explicit VbTimer(QObject *parent = nullptr) : QTimer(parent) {}

    QString Tag;

    bool Enabled() const { return isActive(); }
    // Enabling a running timer leaves its interval running.
    void setEnabled(bool on)
    {
        if (on && !isActive())
            start();
        else if (!on)
            stop();
    }
    void setInterval(int ms) { QTimer::setInterval(ms); }
};
