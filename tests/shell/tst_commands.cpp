#include "editor/frmcave.h"
#include "shell/commondialogy.h"
#include "shell/frmcol.h"
#include "shell/frmmain.h"
#include "store/kodovani.h"
#include "store/modzorbel.h"
#include "store/setfile.h"
#include "store/setfileio.h"
#include "support/mainwindow.h"
#include "support/mouse.h"
#include "support/stationerydata.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QtTest>

#include <csignal>
#include <memory>
#include <sys/resource.h>
#include <sys/stat.h>

class TestCommands : public QObject, FreshMainWindow
{
    Q_OBJECT

    QString path(const QString &name) const { return f->path(name); }

    QWidget *box(const char *name) const
    {
        frmCol *c = w->SetWindow();
        const QByteArray n(name);
        QWidget *boxes[] = {c->txtName, c->txtAuth, c->txtMail, c->txtDesc, c->txtCaves, c->txtCongr};
        const char *names[] = {"txtName", "txtAuth", "txtMail", "txtDesc", "txtCaves", "txtCongr"};
        for (int i = 0; i < 6; ++i)
            if (n == names[i])
                return boxes[i];
        qFatal("no box %s", name);
    }
    QString text(const char *name) const
    {
        QWidget *b = box(name);
        if (auto *e = qobject_cast<QLineEdit *>(b))
            return e->text();
        return qobject_cast<QPlainTextEdit *>(b)->toPlainText();
    }
    // As the user types: the box's change handlers run.
    void setText(const char *name, const QString &t)
    {
        QWidget *b = box(name);
        if (auto *e = qobject_cast<QLineEdit *>(b))
            e->setText(t);
        else
            qobject_cast<QPlainTextEdit *>(b)->setPlainText(t);
    }

private slots:
    void init() { start(); }
    void cleanup() { reset(); }

    void startsWithTheTemplate()
    {
        QVERIFY(user->messages.isEmpty());
        QCOMPARE(w->FileName, QStringLiteral("*"));
        QVERIFY(!w->Changed);
        const SetFileData t = Stationery::set();
        QCOMPARE(int(w->NumCaves), int(t.Caves.size()));
        QCOMPARE(w->CollFlag, t.CollFlag);
        QCOMPARE(text("txtName"), QStringLiteral("Nová sada"));
        QCOMPARE(text("txtCaves"), QStringLiteral("01;"));
        QCOMPARE(w->CaveData[1], t.Caves[0]);
        QCOMPARE(rowNames(*w), (QStringList{"Hlína a kameny", "Světluška a motýl"}));
        QVERIFY(w->SetWindow()->isVisible());
        QCOMPARE(int(w->SetWindow()->Selected), 1);
    }

    void saveOnUntitledAsksForAPath()
    {
        w->mnuSave_Click();
        QCOMPARE(user->dialogs.size(), 1);
        const Vb::FileDialogRequest &r = user->dialogs.first();
        QVERIFY(r.save);
        QCOMPARE(r.title, QStringLiteral("Uložit sadu jako"));
        QCOMPARE(r.initialDir, w->AppPath + u'/');
        QCOMPARE(r.initialName, QStringLiteral("novasada.zb"));
        QVERIFY(!QFile::exists(w->AppPath + QStringLiteral("/novasada.zb")));
        QCOMPARE(w->FileName, QStringLiteral("*"));
        // Still untitled: the next save asks again, and once saved asks no more.
        user->dialogAnswers << path("nova.zb");
        w->mnuSave_Click();
        QCOMPARE(user->dialogs.size(), 2);
        QCOMPARE(w->FileName, path("nova.zb"));
        w->mnuSave_Click();
        QCOMPARE(user->dialogs.size(), 2);
    }

    void saveAsTakesTheChosenFile()
    {
        QVERIFY(writeFile(path("a.zb"), setFile(3)));
        f->openSet("a.zb");
        const QByteArray a = readFile(path("a.zb"));
        setText("txtAuth", QStringLiteral("Jiný"));
        user->dialogAnswers << path("b.zb");
        w->mnuSaveAs_Click();
        QCOMPARE(user->dialogs.last().initialName, QStringLiteral("a.zb"));
        QCOMPARE(w->FileName, path("b.zb"));
        QVERIFY(!w->Changed);
        setText("txtAuth", QStringLiteral("Třetí"));
        const int dialogs = user->dialogs.size();
        w->mnuSave_Click();
        QCOMPARE(user->dialogs.size(), dialogs);
        QCOMPARE(readFile(path("a.zb")), a);
        const QByteArray b = readFile(path("b.zb"));
        QCOMPARE(ReadSetFile(b).value().Author, Text8::fromUnicode("Třetí"));

        // A cancelled and a failed save as leave the file, the flag and the set's file as they were.
        setText("txtAuth", QStringLiteral("Čtvrtý"));
        w->mnuSaveAs_Click();
        user->dialogAnswers << path("nic/c.zb");
        w->mnuSaveAs_Click();
        QCOMPARE(user->dialogs.size(), dialogs + 2);
        QCOMPARE(user->messages.size(), 1);
        QCOMPARE(w->FileName, path("b.zb"));
        QVERIFY(w->Changed);
        QCOMPARE(readFile(path("b.zb")), b);
    }

    void defaultSavePath_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("programFolderWritable");
        QTest::addColumn<QString>("initialName");
        QTest::newRow("empty name") << "" << true << ".zb";
        QTest::newRow("accents") << "Čáry & Máry" << true << "caryandmary.zb";
        QTest::newRow("line break and slash") << "a\r\nb\t/c" << true << "ab-c.zb";
        QTest::newRow("program folder not writable") << "Sada" << false << "sada.zb";
    }
    void defaultSavePath()
    {
        QFETCH(QString, name);
        QFETCH(bool, programFolderWritable);
        QFETCH(QString, initialName);
        if (!programFolderWritable)
            w->AppPath = path(QStringLiteral("nic"));
        setText("txtName", name);
        w->mnuSaveAs_Click();
        QCOMPARE(user->dialogs.last().initialName, initialName);
        QCOMPARE(user->dialogs.last().initialDir,
                 (programFolderWritable ? w->AppPath : DocumentsFolder()) + u'/');
    }

    void longStemIsShortened()
    {
        w->AppPath = path(QString(60, u'a'));
        QVERIFY(QDir().mkpath(w->AppPath));
        setText("txtName", QString(190, u'x'));
        w->mnuSaveAs_Click();
        const Vb::FileDialogRequest &r = user->dialogs.last();
        QCOMPARE((r.initialDir + r.initialName).size(), 254);
        QVERIFY(r.initialName.endsWith(QStringLiteral("x.zb")));
        QCOMPARE(r.initialDir, w->AppPath + u'/');
    }

    void nameAndAuthorTakeAt190()
    {
        setText("txtName", QString(200, u'n'));
        setText("txtAuth", QString(200, u'a'));
        QCOMPARE(text("txtName").size(), 190);
        QCOMPARE(text("txtAuth").size(), 190);
        user->dialogAnswers << path("long.zb");
        w->mnuSave_Click();
        QVERIFY(QFile::exists(path("long.zb")));
        QVERIFY(user->messages.isEmpty());
    }

    void questionOnChangedSet()
    {
        setText("txtName", QString());
        QVERIFY(w->Changed);
        user->messageAnswers << Vb::MsgCancel;
        w->mnuNew_Click();
        QCOMPARE(user->messages.size(), 1);
        const Vb::MessageRequest &m = user->messages.first();
        QCOMPARE(m.text, QStringLiteral("Sada '' není uložena.\r\nUložit?"));
        QCOMPARE(m.title, QStringLiteral("Dotaz"));
        QCOMPARE(m.buttons, Vb::MsgYesNoCancel);
        QCOMPARE(m.icon, Vb::MsgQuestion);
        QVERIFY(w->Changed);
    }

    void yesWithCancelledSaveKeepsTheSet()
    {
        setText("txtName", QStringLiteral("Upravená"));
        user->messageAnswers << Vb::MsgYes;
        w->mnuNew_Click();
        QCOMPARE(user->dialogs.size(), 1); // the Save As dialog, cancelled
        QVERIFY(w->Changed);
        QCOMPARE(text("txtName"), QStringLiteral("Upravená"));
        QCOMPARE(int(w->NumCaves), 2);
    }

    void yesOnAFileWritesItAndCloses()
    {
        QVERIFY(writeFile(path("y.zb"), setFile(3)));
        f->openSet("y.zb");
        setText("txtName", QStringLiteral("Nové jméno"));
        user->messageAnswers << Vb::MsgYes;
        w->mnuNew_Click();
        QCOMPARE(ReadSetFile(readFile(path("y.zb"))).value().Name, Text8::fromUnicode("Nové jméno"));
        QCOMPARE(w->FileName, QStringLiteral("*"));
        QCOMPARE(text("txtName"), QStringLiteral("Nová sada"));
    }

    void openCancelledAtTheQuestion()
    {
        setText("txtDesc", QStringLiteral("změna"));
        user->messageAnswers << Vb::MsgCancel;
        w->mnuOpen_Click();
        QVERIFY(user->dialogs.isEmpty());
        QVERIFY(w->Changed);
        QCOMPARE(text("txtDesc"), QStringLiteral("změna"));
    }

    void openCancelledInTheDialogGivesTheTemplate()
    {
        QVERIFY(writeFile(path("c.zb"), setFile(4)));
        f->openSet("c.zb");
        w->mnuOpen_Click(); // cancelled
        QCOMPARE(user->dialogs.last().title, QStringLiteral("Otevřít sadu"));
        QVERIFY(!user->dialogs.last().save);
        QCOMPARE(w->FileName, QStringLiteral("*"));
        QCOMPARE(int(w->NumCaves), 2);
        QCOMPARE(rowNames(*w), (QStringList{"Hlína a kameny", "Světluška a motýl"}));
        QVERIFY(!w->Changed);
    }

    void openRefusals_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("fault");
        QByteArray bad = setFile(3);
        const qsizetype fourth = bad.indexOf("\r\n", bad.indexOf("\r\n", bad.indexOf("\r\n") + 2) + 2) + 2;
        bad.insert(fourth, EncodeLine("x") + "\r\n");
        QTest::newRow("not a chamber") << bad << "Řádek 4 není komnata";
        // Chamber 2 deciphers to nothing: chamber 3 and the congratulation must not be dropped.
        QByteArray gap = setFile(3);
        const qsizetype fifth = gap.indexOf("\r\n", fourth) + 2;
        gap.replace(fifth, gap.indexOf("\r\n", fifth) - fifth, "ZZZ");
        QTest::newRow("chamber 2 deciphering empty") << gap << "neprázdný řádek 6";
        QTest::newRow("too few lines") << setFile(1).left(setFile(1).indexOf("\r\n") + 2) << "jen 1";
        QTest::newRow("not a set file")
            << QByteArray("hello\r\nworld\r\n\r\n\r\n\r\n") << "Soubor není sada komnat";
    }
    void openRefusals()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, fault);
        QVERIFY(writeFile(path("bad.zb"), bytes));
        user->dialogAnswers << path("bad.zb");
        w->mnuOpen_Click();
        QCOMPARE(user->messages.size(), 1);
        QVERIFY2(user->messages.first().text.contains(path("bad.zb")),
                 qPrintable(user->messages.first().text));
        QVERIFY2(user->messages.first().text.contains(fault), qPrintable(user->messages.first().text));
        QCOMPARE(w->FileName, QStringLiteral("*"));
        QCOMPARE(int(w->NumCaves), 2);
        QCOMPARE(rowNames(*w).size(), 2);
        QVERIFY(!w->Changed);
    }

    // A name beginning with "." or "," is only a naming habit here.
    void anyRegularFileOpens_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("hidden") << ".skryta.zb";
        QTest::newRow("saved without a name") << ".zb";
        QTest::newRow("comma") << ",sada.zb";
    }
    void anyRegularFileOpens()
    {
        QFETCH(QString, name);
        QVERIFY(writeFile(path(name), setFile(5)));
        f->openSet(name);
        QVERIFY(user->messages.isEmpty());
        QCOMPARE(int(w->NumCaves), 5);
    }

    // What is no regular file is refused with a reason, at once, whatever it is;
    // Open then goes on with a new set, Join leaves the set, New uses one chamber.
    void notARegularFile_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("fault");
        QTest::newRow("open, missing") << "open"
                                       << "nic.zb"
                                       << "Soubor neexistuje.";
        QTest::newRow("open, folder") << "open"
                                      << "slozka.zb"
                                      << "Je to složka, ne soubor.";
        QTest::newRow("open, FIFO") << "open"
                                    << "fifo.zb"
                                    << "Není to obyčejný soubor";
        QTest::newRow("open, device") << "open"
                                      << "zero.zb"
                                      << "Není to obyčejný soubor";
        QTest::newRow("open, dangling link") << "open"
                                             << "odkaz.zb"
                                             << "Soubor neexistuje.";
        QTest::newRow("open, above the bound") << "open"
                                               << "velky.zb"
                                               << "větší než 8 MiB";
        QTest::newRow("join, missing") << "join"
                                       << "nic.zb"
                                       << "Soubor neexistuje.";
        QTest::newRow("join, FIFO") << "join"
                                    << "fifo.zb"
                                    << "Není to obyčejný soubor";
        QTest::newRow("template FIFO") << "new"
                                       << "fifo.zb"
                                       << "Není to obyčejný soubor";
        QTest::newRow("template device") << "new"
                                         << "zero.zb"
                                         << "Není to obyčejný soubor";
    }
    void notARegularFile()
    {
        QFETCH(QString, command);
        QFETCH(QString, name);
        QFETCH(QString, fault);
        QVERIFY(QDir(f->tmp.path()).mkpath(QStringLiteral("slozka.zb")));
        QCOMPARE(mkfifo(QFile::encodeName(path("fifo.zb")).constData(), 0600), 0);
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path("zero.zb")));
        QVERIFY(QFile::link(path("nic.zb"), path("odkaz.zb")));
        QFile big(path("velky.zb"));
        QVERIFY(big.open(QIODevice::WriteOnly) && big.resize(MaxSetFileSize + 1)); // sparse: costs no disk
        big.close();
        QVERIFY(writeFile(path("c.zb"), setFile(4)));
        f->openSet("c.zb");
        if (command == QLatin1String("new")) {
            // The template is looked for in the program's folder.
            QVERIFY(QFile::rename(path(name), path("stationery.zb~")));
            w->AppPath = f->tmp.path();
            name = QStringLiteral("stationery.zb~");
            w->mnuNew_Click();
        } else {
            user->dialogAnswers << path(name);
            command == QLatin1String("open") ? w->mnuOpen_Click() : w->mnuJoin_Click();
        }
        QCOMPARE(user->messages.size(), 1);
        const QString text = user->messages.first().text;
        QVERIFY2(text.contains(path(name) + QStringLiteral("' nelze")) && text.contains(fault),
                 qPrintable(text));
        if (command == QLatin1String("join")) {
            QCOMPARE(w->FileName, path("c.zb"));
            QCOMPARE(int(w->NumCaves), 4);
        } else {
            QCOMPARE(w->FileName, QStringLiteral("*"));
            QCOMPARE(int(w->NumCaves), command == QLatin1String("new") ? 1 : 2);
        }
        QVERIFY(!w->Changed);
    }

    void missingTemplateGivesOneDefaultChamber()
    {
        w->AppPath = f->tmp.path();
        w->mnuNew_Click();
        QCOMPARE(user->messages.size(), 1);
        QVERIFY(user->messages.first().text.contains(QStringLiteral("stationery.zb~")));
        QCOMPARE(int(w->NumCaves), 1);
        QCOMPARE(w->FileName, QStringLiteral("*"));
        QCOMPARE(caveNameOf(w->CaveData[1]), QStringLiteral("Nepojmenovaná 19×11"));
        QVERIFY(!w->Changed);
        // The set is whole: it saves and reads back.
        user->dialogAnswers << path("d.zb");
        w->mnuSave_Click();
        QCOMPARE(ReadSetFile(readFile(path("d.zb"))).value().Caves.size(), 1);
    }

    void flagCharacterIsCarried()
    {
        user->dialogAnswers << path("n.zb");
        w->mnuSave_Click();
        QCOMPARE(ReadSetFile(readFile(path("n.zb"))).value().CollFlag, Stationery::set().CollFlag);
        SetFileData q = setOf(2);
        q.CollFlag = "%";
        QVERIFY(writeFile(path("q.zb"), setFile(q)));
        f->openSet("q.zb");
        w->mnuSave_Click();
        QCOMPARE(ReadSetFile(readFile(path("q.zb"))).value().CollFlag, QByteArray("%"));
    }

    void allowedChambersThroughTheBox()
    {
        SetFileData al = setOf(12);
        al.Allowed[3] = al.Allowed[12] = true;
        QVERIFY(writeFile(path("al.zb"), setFile(al)));
        f->openSet("al.zb");
        QCOMPARE(text("txtCaves"), QStringLiteral("01;03;12;"));
        setText("txtCaves", QStringLiteral("03;12;5"));
        w->mnuSave_Click();
        AllowedFlags expected{};
        expected[1] = expected[3] = expected[5] = expected[12] = true;
        QCOMPARE(ReadSetFile(readFile(path("al.zb"))).value().Allowed, expected);
    }

    void fewerChambersLeaveNothingBehind()
    {
        SetFileData big = setOf(6);
        big.Allowed[5] = big.Allowed[6] = true;
        QVERIFY(writeFile(path("big.zb"), setFile(big)));
        QVERIFY(writeFile(path("small.zb"), setFile(3)));
        f->openSet("big.zb");
        f->openSet("small.zb");
        QCOMPARE(rowNames(*w), (QStringList{"K1", "K2", "K3"}));
        for (int k = 2; k <= 100; ++k)
            QVERIFY(!w->Allowed[k]);
        QCOMPARE(w->BoundCaves().size(), size_t(3));
        QVERIFY(w->SetWindow()->RowExists(3));
        QVERIFY(!w->SetWindow()->RowExists(4));
    }

    // Chambers the limit leaves in the file are counted to the user.
    void joinLimits_data()
    {
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("after");
        QTest::addColumn<QString>("counts");
        QTest::newRow("94 joins all") << 94 << 99 << "";
        QTest::newRow("97 joins two") << 97 << 99 << "připojeno: 2 komnaty, vynecháno: 3 komnaty.";
        QTest::newRow("98 joins one") << 98 << 99 << "připojeno: 1 komnata, vynecháno: 4 komnaty.";
        QTest::newRow("99 joins none") << 99 << 99 << "připojeno: 0 komnat, vynecháno: 5 komnat.";
    }
    void joinLimits()
    {
        QFETCH(int, before);
        QFETCH(int, after);
        QFETCH(QString, counts);
        QVERIFY(writeFile(path("many.zb"), setFile(before)));
        QVERIFY(writeFile(path("five.zb"), setFile(5)));
        f->openSet("many.zb");
        user->dialogAnswers << path("five.zb");
        w->mnuJoin_Click();
        QCOMPARE(user->dialogs.last().title, QStringLiteral("Připojit sadu"));
        QCOMPARE(int(w->NumCaves), after);
        QCOMPARE(rowNames(*w).size(), after);
        QCOMPARE(w->Changed, after > before);
        for (int k = before + 1; k <= after; ++k)
            QCOMPARE(caveNameOf(w->CaveData[k]), QStringLiteral("K%1").arg(k - before));
        QCOMPARE(w->FileName, path("many.zb"));
        if (counts.isEmpty()) {
            QVERIFY(user->messages.isEmpty());
        } else {
            QCOMPARE(user->messages.size(), 1);
            QCOMPARE(user->messages.first().text,
                     QStringLiteral("Sada smí mít nejvýše 99 komnat.\r\nZe sady '%1' ").arg(path("five.zb")) +
                         counts);
        }
    }

    void joinRefusalLeavesTheSet()
    {
        QVERIFY(writeFile(path("s.zb"), setFile(3)));
        QByteArray bad = setFile(4);
        bad.chop(2 + bad.size() - bad.lastIndexOf("\r\n", bad.size() - 3) - 2); // cut the congratulation
        bad += "abc\r\n";
        QVERIFY(writeFile(path("bad.zb"), bad));
        f->openSet("s.zb");
        const auto data = w->CaveData;
        user->dialogAnswers << path("bad.zb");
        w->mnuJoin_Click();
        QCOMPARE(user->messages.size(), 1);
        QVERIFY(user->messages.first().text.contains(path("bad.zb")));
        QCOMPARE(int(w->NumCaves), 3);
        QCOMPARE(rowNames(*w), (QStringList{"K1", "K2", "K3"}));
        QCOMPARE(w->CaveData, data);
        QVERIFY(!w->Changed);
    }

    void saveFailureKeepsTheOldFile_data()
    {
        QTest::addColumn<int>("how");
        QTest::addColumn<QString>("fault");
        QTest::newRow("no such folder") << 0 << "Složka, do které se má soubor uložit, neexistuje.";
        QTest::newRow("a folder in the way") << 1 << "Je to složka, ne soubor.";
        QTest::newRow("disk full") << 2 << "Soubor je na tento disk příliš velký.";
        QTest::newRow("a FIFO in the way")
            << 3 << "Není to obyčejný soubor, ale zařízení, roura nebo jiný zvláštní soubor.";
        QTest::newRow("larger than a set may be")
            << 4
            << "Sada by v souboru měla víc než 8 MiB a tak velkou by editor znovu neotevřel. "
               "Zkrať popis nebo blahopřání sady.";
    }
    void saveFailureKeepsTheOldFile()
    {
        QFETCH(int, how);
        QFETCH(QString, fault);
        QVERIFY(writeFile(path("old.zb"), setFile(30)));
        f->openSet("old.zb");
        const QByteArray old = readFile(path("old.zb"));
        setText("txtDesc", QString(3000, u'd'));
        QString target = path("old.zb");
        if (how == 0)
            target = path("nic/old.zb");
        if (how == 1) {
            QVERIFY(QDir(f->tmp.path()).mkpath(QStringLiteral("slozka.zb")));
            target = path("slozka.zb");
        }
        if (how == 3) {
            target = path("fifo.zb");
            QCOMPARE(mkfifo(QFile::encodeName(target).constData(), 0600), 0);
        }
        if (how == 4) // three bytes a character once enciphered; lines lay out fast
            setText("txtCongr", QString(QString(79, u'c') + u'\n').repeated(MaxSetFileSize / 3 / 80 + 1));
        rlimit saved{};
        if (how == 2) {
            // A file size limit stands in for a full disk.
            std::signal(SIGXFSZ, SIG_IGN);
            getrlimit(RLIMIT_FSIZE, &saved);
            rlimit small = saved;
            small.rlim_cur = 4096;
            setrlimit(RLIMIT_FSIZE, &small);
        }
        const bool saved_ = w->SaveCollection(target);
        if (how == 2)
            setrlimit(RLIMIT_FSIZE, &saved);
        QVERIFY(!saved_);
        QCOMPARE(user->messages.size(), 1);
        QCOMPARE(user->messages.first().text,
                 QStringLiteral("Sadu nelze uložit do souboru '%1'.\r\n").arg(target) + fault);
        QVERIFY(w->Changed);
        QCOMPARE(readFile(path("old.zb")), old);
        QCOMPARE(QDir(f->tmp.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
    }

    void quitting_data()
    {
        QTest::addColumn<bool>("changed");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<int>("questions");
        QTest::newRow("unchanged") << false << int(Vb::MsgCancel) << true << 0;
        QTest::newRow("changed, Cancel") << true << int(Vb::MsgCancel) << false << 1;
        QTest::newRow("changed, No") << true << int(Vb::MsgNo) << true << 1;
        QTest::newRow("changed, Yes, dialog cancelled") << true << int(Vb::MsgYes) << false << 1;
    }
    void quitting()
    {
        QFETCH(bool, changed);
        QFETCH(int, answer);
        QFETCH(bool, closes);
        QFETCH(int, questions);
        if (changed)
            setText("txtMail", QStringLiteral("x@y"));
        user->messageAnswers << Vb::MsgResult(answer);
        w->mnuEnd_Click();
        QCOMPARE(user->messages.size(), questions);
        QCOMPARE(w->isVisible(), !closes);
        if (!closes) {
            QVERIFY(w->Changed);
            QCOMPARE(text("txtMail"), QStringLiteral("x@y"));
            QCOMPARE(int(w->NumCaves), 2);
        }
    }

    // Hidden or behind a chamber window, the set window comes up in front with the focus.
    void setButtonShowsTheSetWindow()
    {
        QApplication::setActiveWindow(w);
        frmCol *col = w->SetWindow();
        auto *button = w->findChild<QWidget *>(QStringLiteral("imgList"));
        QVERIFY(button);
        const auto inFront = [&] {
            QWidget *focus = QApplication::focusWidget();
            return col->isVisible() && w->mdiArea()->activeSubWindow() == col->subWindow() &&
                   (focus == col || col->isAncestorOf(focus));
        };
        col->hide();
        pointerClick(button, QPoint(10, 10));
        QVERIFY(inFront());
        w->ShowCave(1);
        QVERIFY(!inFront());
        pointerClick(button, QPoint(10, 10));
        QVERIFY(inFront());
        // Minimised, it comes back as it was.
        const QSize inner = col->size();
        col->subWindow()->showMinimized();
        pointerClick(button, QPoint(10, 10));
        QVERIFY(!col->subWindow()->isMinimized());
        QVERIFY(inFront());
        QCOMPARE(col->size(), inner);
    }
};

QTEST_MAIN(TestCommands)
#include "tst_commands.moc"
