#include "shell/frmmain.h"
#include "toolkit/application.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Vb::prepareApplication();
    frmMain main;
    main.showMaximized();
    return app.exec();
}
