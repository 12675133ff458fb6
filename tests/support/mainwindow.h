#pragma once

#include "shell/frmmain.h"
#include "support/testsupport.h"

#include <QSize>
#include <QTemporaryDir>

#include <memory>

class ImageBox;
class PictureBox;

// A started main window, shown offscreen so real mouse events reach its
// controls, with scripted answers for its message boxes and file dialogs and
// a folder of its own for set files.
struct MainWindowFixture
{
    ScriptedUser user;
    QTemporaryDir tmp;
    std::unique_ptr<frmMain> w;

    explicit MainWindowFixture(QSize size = {1280, 800});
    ~MainWindowFixture();

    // Start-up opens the template set; tests that bind their own chambers close it.
    bool closeStartupSet();
    QString path(const QString &name) const { return tmp.filePath(name); }
    // Opens the set file name in the fixture's folder through the menu.
    void openSet(const QString &name);

    template <class T = QWidget>
    T *control(const QString &name) const
    {
        T *c = w->findChild<T *>(name);
        if (!c)
            qWarning("no control %s", qPrintable(name));
        return c;
    }
    ImageBox *image(const QString &name) const;
    PictureBox *box(const QString &name) const;
    ImageBox *entry(int n) const { return w->imgS[n]; }
};
