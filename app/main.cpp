#include "shell/frmmain.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Editor komnat"));
    frmMain main;
    main.showMaximized();
    // For unattended checks: ZB_QUIT_AFTER_MS closes the frame after a delay.
    if (const int ms = qEnvironmentVariableIntValue("ZB_QUIT_AFTER_MS"); ms > 0)
        QTimer::singleShot(ms, &main, [&main] { main.close(); });
    return app.exec();
}
