#include "shell/commondialogy.h"

#include "toolkit/filedialogseam.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QStandardPaths>

namespace CommonDialogy {

QString InitDir;

QString DocumentsFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

QString ShowFileDialog(QWidget *owner, bool save, const QString &title, const QString &filter,
                       const QString &initialPath, uint32_t extraFlags, const QString &defaultExtension)
{
    QString filePart;
    const qsizetype lastSep = initialPath.lastIndexOf(u'/');
    if (lastSep >= 0) {
        InitDir = initialPath.left(lastSep + 1);
        filePart = initialPath.mid(lastSep + 1);
    }

    const QStringList parts = filter.split(u';');
    Vb::FileDialogRequest request;
    request.save = save;
    request.title = title;
    request.filterName = parts.value(0);
    request.filterPattern = parts.value(1);
    // The process's working folder means nothing to a user who started the program from a menu.
    request.initialDir = InitDir.isEmpty() ? DocumentsFolder() + u'/' : InitDir;
    request.initialName = filePart;
    request.defaultExtension = defaultExtension;
    request.showHidden = (extraFlags & CommonDialogy::OFN_FORCESHOWHIDDEN) != 0;

    return Vb::RunFileDialog(owner, request);
}

namespace {

const QHash<QChar, QString> &substitutions()
{
    static const QHash<QChar, QString> table = [] {
        QHash<QChar, QString> t;
        const auto rule = [&t](const char16_t *inputs, const char *output) {
            for (const char16_t *c = inputs; *c; ++c)
                t.insert(QChar(*c), QString::fromLatin1(output));
        };
        rule(u"ěéëę", "e");
        rule(u"šś", "s");
        rule(u"čćç", "c");
        rule(u"řŕ", "r");
        rule(u"žź", "z");
        rule(u"ý", "y");
        rule(u"áäâăą", "a");
        rule(u"íî", "i");
        rule(u"úůü", "u");
        rule(u"óöô", "o");
        rule(u"ĺľł", "l");
        rule(u"ńň", "n");
        rule(u"ť", "t");
        rule(u"ďđ", "d");
        rule(u"ß", "ss");
        rule(u"\"#!%^?`'", "~");
        rule(u"@", "a");
        rule(u"$", "s");
        rule(u"&", "and");
        rule(u"*", "x");
        rule(u"/=\\_+:;", "-");
        rule(u",", ".");
        rule(u"<[", "(");
        rule(u">]", ")");
        return t;
    }();
    return table;
}

} // namespace

QString RemoveRegChars(const QString &txt)
{
    QString stem;
    for (const QChar ch : txt) {
        // A line break or tab in a set name must not reach the proposed path.
        if (ch.unicode() < 32)
            continue;
        const QChar lower = ch.toLower();
        QString piece = substitutions().value(lower, QString(lower));
        // Code page 1250 is ASCII up to 127, so "above z" is the same test in Unicode.
        if (piece.size() == 1 && piece.at(0).unicode() > 122)
            piece = QStringLiteral("~");
        if (piece == QLatin1String(" "))
            continue;
        stem += piece;
    }
    return stem;
}

} // namespace CommonDialogy
