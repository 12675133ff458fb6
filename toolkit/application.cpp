#include "toolkit/application.h"

#include <QApplication>
#include <QDialog>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <QWidget>

namespace Vb {

namespace {

// The modal windows Qt makes itself (the file dialog's questions whether to replace a file or about
// one that does not exist) are kept from being minimised as they come up, before the window manager
// sees them.
class ModalWindowsStay : public QObject
{
public:
    using QObject::QObject;
    bool eventFilter(QObject *watched, QEvent *e) override
    {
        if (e->type() == QEvent::Show)
            if (auto *dialog = qobject_cast<QDialog *>(watched);
                dialog && dialog->isWindow() && dialog->isModal())
                offerNoMinimise(dialog);
        return false;
    }
};

} // namespace

void prepareApplication()
{
    QCoreApplication::setApplicationName(ProgramName);
    const QString filterName = QStringLiteral("modalWindowsStay");
    if (!qApp->findChild<QObject *>(filterName, Qt::FindDirectChildrenOnly)) {
        auto *filter = new ModalWindowsStay(qApp);
        filter->setObjectName(filterName);
        qApp->installEventFilter(filter);
    }
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
