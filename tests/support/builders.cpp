#include "support/builders.h"

#include "common/text8.h"
#include "store/defaultcave.h"
#include "store/modzorbel.h"

#include <QFile>

QByteArray chamberString(const CaveRecord &r)
{
    const auto s = CaveToString(r);
    if (!s.ok())
        qFatal("chamber string refused: %s", qPrintable(s.error()));
    return s.value();
}

CaveRecord filled(int w, int h, char c)
{
    CaveRecord r = DefaultCave(w, h);
    for (int x = 0; x < w; ++x)
        for (int y = 0; y < h; ++y)
            r.Map[static_cast<size_t>(x)][static_cast<size_t>(y)] = c;
    return r;
}

QByteArray caveNamed(const QByteArray &name, int w, int h)
{
    CaveRecord r = DefaultCave(w, h);
    r.Name = name;
    return chamberString(r);
}

QByteArray cave(int k, int w, int h)
{
    return caveNamed("K" + QByteArray::number(k), w, h);
}

QString caveNameOf(const QByteArray &cave)
{
    const auto r = StringToCave(cave);
    return r.ok() ? Text8::toUnicode(r.value().Name) : QString();
}

SetFileData setOf(int n, const QByteArray &prefix)
{
    SetFileData s;
    s.Name = "Sada";
    s.Author = "Autor";
    s.Description = "Popis";
    s.Mail = "a@b.cz";
    s.CollFlag = "Q";
    for (int k = 1; k <= n; ++k)
        s.Caves.append(caveNamed(prefix + QByteArray::number(k)));
    s.Allowed[1] = true;
    s.Congratulation = "Hotovo";
    return s;
}

QByteArray setFile(int n, const QByteArray &prefix)
{
    return setFile(setOf(n, prefix));
}

QByteArray setFile(const SetFileData &set)
{
    const auto bytes = WriteSetFile(set);
    if (!bytes.ok())
        qFatal("set file refused: %s", qPrintable(bytes.error()));
    return bytes.value();
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}
