#include "bench.h"
#include "benchsets.h"
#include "common/text8.h"
#include "shell/frmcol.h"
#include "shell/frmmain.h"
#include "store/setfile.h"
#include "store/setfileio.h"
#include "support/builders.h"
#include "toolkit/multilinebox.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryDir>

namespace {

// The set texts a file can bring: the description as long as the largest file
// the editor reads allows, in one run without a blank or as words; the e-mail
// as long; and a short description, the everyday case.
enum class Longest { Unbroken, Spaced, Mail, Short };

QByteArray text(qsizetype n, bool spaced)
{
    const QByteArray unit = spaced ? "abcdefgh " : "abcdefghi";
    QByteArray t;
    t.reserve(n);
    while (t.size() < n)
        t += unit;
    t.truncate(n);
    return t;
}

QString longestFile(Longest kind)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("dlouha%1.zb").arg(int(kind)));
    if (QFile::exists(path))
        return path;
    SetFileData set = setOf(1);
    set.Description = set.Mail = set.Congratulation = {};
    // Every plain character takes three bytes in the file.
    const qsizetype room = (MaxSetFileSize - WriteSetFile(set).value().size()) / 3;
    switch (kind) {
    case Longest::Unbroken:
    case Longest::Spaced: set.Description = text(room, kind == Longest::Spaced); break;
    case Longest::Mail: set.Mail = text(room, false); break;
    case Longest::Short: set.Description = text(200, true); break;
    }
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(WriteSetFile(set).value());
    return path;
}

// The property sheet down, so the boxes are on the screen.
void sheetDown(frmMain *m)
{
    frmCol *col = m->SetWindow();
    if (col->Picture2->Height() > 53)
        return;
    col->Image1_Click();
    for (int i = 0; i < 100 && m->tmrRoll->Enabled(); ++i)
        m->tmrRoll_Timer();
    QCoreApplication::processEvents();
}

// Opening the file, and the frame painted with the sheet down.
void openLongest(Longest kind)
{
    Bench::pause();
    BenchSets::timedOpen(Bench::mainWindow(), longestFile(kind), sheetDown);
}

// One key typed at the end of the box's text, and the frame painted.
void keyAtEnd(Longest kind, bool mail = false)
{
    frmMain *m = Bench::mainWindow();
    Bench::pause();
    const QString path = longestFile(kind);
    if (m->FileName != path) {
        BenchSets::closeSet(m);
        sheetDown(m);
        m->OpenCollection(path);
        m->FileName = path;
    }
    frmCol *col = m->SetWindow();
    QWidget *box = mail ? static_cast<QWidget *>(col->txtMail) : col->txtDesc;
    box->setFocus();
    if (mail)
        col->txtMail->end(false);
    else
        col->txtDesc->moveCursor(QTextCursor::End);
    QCoreApplication::processEvents();
    Bench::resume();
    QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    QApplication::sendEvent(box, &press);
    QApplication::sendEvent(box, &release);
    QCoreApplication::processEvents();
}

} // namespace

// The floor of opening a file of the largest size: read, checked, and its
// description turned into the box's text.
ZB_FLOOR(read_check_longest)
{
    Bench::pause();
    const QString path = longestFile(Longest::Unbroken);
    Bench::resume();
    const auto bytes = ReadSetFileBytes(path);
    const auto set = ReadSetFile(bytes.value());
    if (Text8::toBoxText(set.value().Description).isEmpty())
        qFatal("no description");
}

ZB_BENCH_COLD(open_longest_unbroken_cold, read_check_longest)
{
    openLongest(Longest::Unbroken);
}

ZB_BENCH_COLD(open_longest_spaced_cold, read_check_longest)
{
    openLongest(Longest::Spaced);
}

ZB_BENCH_COLD(open_longest_mail_cold, read_check_longest)
{
    openLongest(Longest::Mail);
}

ZB_BENCH(open_longest_unbroken_warm, read_check_longest)
{
    openLongest(Longest::Unbroken);
}

ZB_BENCH(open_longest_spaced_warm, read_check_longest)
{
    openLongest(Longest::Spaced);
}

ZB_BENCH(open_longest_mail_warm, read_check_longest)
{
    openLongest(Longest::Mail);
}

// The floor of a keystroke: one key into a description of 200 characters.
ZB_FLOOR(key_short_description)
{
    keyAtEnd(Longest::Short);
}

ZB_BENCH_COLD(key_longest_unbroken_cold, key_short_description)
{
    keyAtEnd(Longest::Unbroken);
}

ZB_BENCH_COLD(key_longest_spaced_cold, key_short_description)
{
    keyAtEnd(Longest::Spaced);
}

ZB_BENCH(key_longest_unbroken, key_short_description)
{
    keyAtEnd(Longest::Unbroken);
}

ZB_BENCH(key_longest_spaced, key_short_description)
{
    keyAtEnd(Longest::Spaced);
}

ZB_BENCH(key_longest_mail, key_short_description)
{
    keyAtEnd(Longest::Mail, true);
}
