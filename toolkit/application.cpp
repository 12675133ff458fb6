#include "toolkit/application.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <QWidget>

namespace Vb {

void prepareApplication()
{
    QCoreApplication::setApplicationName(ProgramName);
    auto *qtCzech = new QTranslator(QCoreApplication::instance());
    // Without the translation installed Qt's texts stay English; the editor still runs.
    if (qtCzech->load(QLocale(QLocale::Czech), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qtCzech);
}

void offerNoMinimise(QWidget *w)
{
    w->winId();
    w->setAttribute(Qt::WA_X11NetWmWindowTypeToolBar);
}

} // namespace Vb
