#include "shell/frmmain.h"
#include "support/testsupport.h"

#include <QtTest>

class TestMainFrame : public QObject
{
    Q_OBJECT
private slots:
    void grab();
};

void TestMainFrame::grab()
{
    const QString out = qEnvironmentVariable("ZB_GRAB");
    if (out.isEmpty())
        QSKIP("set ZB_GRAB to a PNG path to grab the main window");
    frmMain w;
    w.resize(1280, 800);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QVERIFY(w.grab().save(out));
    const QString open = qEnvironmentVariable("ZB_GRAB_OPEN");
    if (!open.isEmpty()) {
        for (const char *label : {"Label1", "Label4", "Label6", "Label8"}) {
            QTest::mouseClick(w.findChild<QWidget *>(QLatin1String(label)), Qt::LeftButton);
            while (w.tmrRoll->Enabled())
                w.tmrRoll_Timer();
        }
        QVERIFY(w.grab().save(open));
    }
}

QTEST_MAIN(TestMainFrame)
#include "tst_mainframe.moc"
