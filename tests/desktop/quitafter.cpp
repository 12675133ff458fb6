// The editor started as the program starts; its frame closes after the
// milliseconds given as the argument (500 without one), for unattended runs.
#include "shell/frmmain.h"
#include "toolkit/application.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Vb::prepareApplication();
    frmMain main;
    main.showMaximized();
    const int ms = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 500;
    QTimer::singleShot(ms, &main, [&main] { main.close(); });
    return app.exec();
}
