#include "support/mainwindow.h"

#include "shell/commondialogy.h"
#include "toolkit/imagebox.h"
#include "toolkit/picturebox.h"
#include "toolkit/vbevents.h"

#include <QtTest>

MainWindowFixture::MainWindowFixture(QSize size)
{
    // No folder remembered from an earlier test.
    CommonDialogy::InitDir.clear();
    w = std::make_unique<frmMain>();
    w->resize(size);
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
}

MainWindowFixture::~MainWindowFixture()
{
    // Leave without questions.
    if (w)
        w->Changed = false;
    w.reset();
    Vb::setPopupAnswerer({});
}

bool MainWindowFixture::closeStartupSet()
{
    w->Changed = false;
    return w->CloseCollection();
}

void MainWindowFixture::openSet(const QString &name)
{
    user.messageAnswers.clear();
    user.dialogAnswers << path(name);
    w->mnuOpen_Click();
    QCOMPARE(w->FileName, path(name));
}

ImageBox *MainWindowFixture::image(const QString &name) const
{
    return control<ImageBox>(name);
}

PictureBox *MainWindowFixture::box(const QString &name) const
{
    return control<PictureBox>(name);
}
