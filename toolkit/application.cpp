#include "toolkit/application.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

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

} // namespace Vb
