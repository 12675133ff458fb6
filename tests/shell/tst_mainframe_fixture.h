#pragma once

#include "support/mainwindow.h"

#include <QMenu>

// The main window with the palette's roll driven by hand.
struct FrameFixture : MainWindowFixture
{
    // Runs the roll timer's ticks until the roll ends; the number of ticks.
    int rollToEnd(int limit = 50)
    {
        int ticks = 0;
        while (w->tmrRoll->Enabled() && ticks < limit) {
            w->tmrRoll_Timer();
            ++ticks;
        }
        return ticks;
    }

    // Opens every palette group, so that all entries can be pressed.
    void openAllGroups()
    {
        for (const char *label : {"Label1", "Label4", "Label6", "Label8"}) {
            QTest::mouseClick(control(QLatin1String(label)), Qt::LeftButton);
            rollToEnd();
        }
    }

    static void press(QWidget *c, Qt::MouseButton b)
    {
        QTest::mousePress(c, b, {}, QPoint(c->width() / 2, c->height() / 2));
        QTest::mouseRelease(c, b, {}, QPoint(c->width() / 2, c->height() / 2));
    }

    // The entries an insect stack shows now.
    QList<int> shownEntries(int first) const
    {
        QList<int> shown;
        for (int n = first; n < first + 4; ++n)
            if (entry(n)->isVisibleTo(w.get()))
                shown.append(n);
        return shown;
    }
};

inline QString entryPictureName(int n)
{
    return QStringLiteral(":/pic/obj%1.svg").arg(n, 2, 10, QLatin1Char('0'));
}
