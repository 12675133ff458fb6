#include "editor/frmcave.h"
#include "editor/frmsize.h"
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
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QtTest>

#include <csignal>
#include <memory>
#include <sys/resource.h>
#include <sys/stat.h>

class TestCommands : public QObject, FreshWindow<>
{
    Q_OBJECT

    frmCol *col = nullptr;
    QString path(const QString &name) const { return f->path(name); }
    // Writes bytes to the file name in the fixture's folder and opens it through the menu.
    void openFile(const QString &name, const QByteArray &bytes)
    {
        QVERIFY(writeFile(path(name), bytes));
        f->openSet(name);
    }
    // Runs a command by its row name: a menu's (new, open, join, save, end) or a list's (add and delete
    // on chamber 1, up and down on chamber 2).
    void run(const QString &command)
    {
        const QHash<QString, std::function<void()>> commands{
            {"new", [this] { w->mnuNew_Click(); }},   {"open", [this] { w->mnuOpen_Click(); }},
            {"join", [this] { w->mnuJoin_Click(); }}, {"save", [this] { w->mnuSave_Click(); }},
            {"end", [this] { w->mnuEnd_Click(); }},   {"add", [this] { w->AddCave(1); }},
            {"delete", [this] { w->DelCave(1); }},    {"up", [this] { w->MoveCave(2, -1); }},
            {"down", [this] { w->MoveCave(2, 1); }}};
        commands[command]();
    }

private slots:
    void init()
    {
        start();
        col = w->SetWindow();
    }
    void cleanup() { reset(); }

    void startsWithTheTemplate()
    {
        QVERIFY(user->messages.isEmpty());
        QCOMPARE(w->FileName, QStringLiteral("*"));
        QVERIFY(!w->Changed);
        const SetFileData t = Stationery::set();
        QCOMPARE(int(w->NumCaves), int(t.Caves.size()));
        QCOMPARE(w->CollFlag, t.CollFlag);
        QCOMPARE(col->txtName->text(), QStringLiteral("Nová sada"));
        QCOMPARE(col->txtCaves->text(), QStringLiteral("01;"));
        QCOMPARE(w->CaveData[1], t.Caves[0]);
        QCOMPARE(rowNames(*w), (QStringList{"Hlína a kameny", "Světluška a motýl"}));
        QVERIFY(col->isVisible());
        QCOMPARE(int(col->Selected), 1);
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
        QCOMPARE(ReadSetFile(readFile(path("nova.zb"))).value().CollFlag, Stationery::set().CollFlag);
        // Name and author take 190 characters, and a set with both that long saves.
        col->txtName->setText(QString(200, u'n'));
        col->txtAuth->setText(QString(200, u'a'));
        QCOMPARE((QList{col->txtName->text().size(), col->txtAuth->text().size()}),
                 (QList<qsizetype>{190, 190}));
        w->mnuSave_Click();
        QCOMPARE(user->dialogs.size(), 2);
        QCOMPARE(ReadSetFile(readFile(path("nova.zb"))).value().Author, QByteArray(190, 'a'));
        QVERIFY(user->messages.isEmpty());
    }

    void saveAsTakesTheChosenFile()
    {
        openFile("a.zb", setFile(3));
        const QByteArray a = readFile(path("a.zb"));
        col->txtAuth->setText(QStringLiteral("Jiný"));
        user->dialogAnswers << path("b.zb");
        w->mnuSaveAs_Click();
        QCOMPARE(user->dialogs.last().initialName, QStringLiteral("a.zb"));
        QCOMPARE(w->FileName, path("b.zb"));
        QVERIFY(!w->Changed);
        col->txtAuth->setText(QStringLiteral("Třetí"));
        const qsizetype dialogs = user->dialogs.size();
        w->mnuSave_Click();
        QCOMPARE(user->dialogs.size(), dialogs);
        QCOMPARE(readFile(path("a.zb")), a);
        const QByteArray b = readFile(path("b.zb"));
        QCOMPARE(ReadSetFile(b).value().Author, Text8::fromUnicode("Třetí"));

        // A cancelled and a failed save as leave the file, the flag and the set's file as they were.
        col->txtAuth->setText(QStringLiteral("Čtvrtý"));
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
        col->txtName->setText(name);
        w->mnuSaveAs_Click();
        QCOMPARE(user->dialogs.last().initialName, initialName);
        QCOMPARE(user->dialogs.last().initialDir,
                 (programFolderWritable ? w->AppPath : CommonDialogy::DocumentsFolder()) + u'/');
    }

    void longStemIsShortened()
    {
        w->AppPath = path(QString(60, u'a'));
        QVERIFY(QDir().mkpath(w->AppPath));
        col->txtName->setText(QString(190, u'x'));
        w->mnuSaveAs_Click();
        const Vb::FileDialogRequest &r = user->dialogs.last();
        QCOMPARE((r.initialDir + r.initialName).size(), 254);
        QVERIFY(r.initialName.endsWith(QStringLiteral("x.zb")));
        QCOMPARE(r.initialDir, w->AppPath + u'/');
    }

    // A changed set is asked about before New, Open or End: Cancel keeps it, No drops it, Yes saves it
    // first and keeps it when the save is cancelled.
    void questionOnChangedSet_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("changed");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("onFile");
        QTest::addColumn<int>("dialogs");
        QTest::addColumn<bool>("closes");
        addRow("Nová, Storno", "new", true, "", int(Vb::MsgCancel), false, 0, false);
        addRow("Nová, Ano, uložení zrušeno", "new", true, "Upravená", int(Vb::MsgYes), false, 1, false);
        addRow("Nová, Ano, do souboru", "new", true, "Nové jméno", int(Vb::MsgYes), true, 0, true);
        addRow("Otevřít, Storno", "open", true, "změna", int(Vb::MsgCancel), false, 0, false);
        addRow("Konec beze změny", "end", false, "Nová sada", int(Vb::MsgCancel), false, 0, true);
        addRow("Konec, Storno", "end", true, "x@y", int(Vb::MsgCancel), false, 0, false);
        addRow("Konec, Ne", "end", true, "x@y", int(Vb::MsgNo), false, 0, true);
        addRow("Konec, Ano, uložení zrušeno", "end", true, "x@y", int(Vb::MsgYes), false, 1, false);
    }
    void questionOnChangedSet()
    {
        QFETCH(QString, command);
        QFETCH(bool, changed);
        QFETCH(QString, name);
        QFETCH(bool, onFile);
        QFETCH(bool, closes);
        if (onFile)
            openFile("y.zb", setFile(3));
        if (changed)
            col->txtName->setText(name);
        QCOMPARE(w->Changed, changed);
        const qsizetype dialogs = user->dialogs.size();
        QFETCH(int, answer);
        user->messageAnswers << Vb::MsgResult(answer);
        run(command);
        QTEST(int(user->dialogs.size() - dialogs), "dialogs");
        const Vb::MessageRequest question{QStringLiteral("Sada '%1' není uložena.\r\nUložit?").arg(name),
                                          QStringLiteral("Dotaz"), Vb::MsgYesNoCancel, Vb::MsgQuestion};
        QCOMPARE(user->messages, changed ? QList{question} : QList<Vb::MessageRequest>());
        if (onFile)
            QCOMPARE(ReadSetFile(readFile(path("y.zb"))).value().Name, Text8::fromUnicode(name));
        QCOMPARE(w->isVisible(), !(closes && command == QLatin1String("end")));
        if (!closes) { // the set stays as it was
            QVERIFY(w->Changed);
            QCOMPARE(col->txtName->text(), name);
            QCOMPARE(int(w->NumCaves), 2);
        } else if (command == QLatin1String("new")) {
            QCOMPARE(w->FileName, QStringLiteral("*"));
            QCOMPARE(col->txtName->text(), QStringLiteral("Nová sada"));
        }
    }

    void openCancelledInTheDialogGivesTheTemplate()
    {
        openFile("c.zb", setFile(4));
        w->mnuOpen_Click(); // cancelled
        QCOMPARE(user->dialogs.last().title, QStringLiteral("Otevřít sadu"));
        QVERIFY(!user->dialogs.last().save);
        QCOMPARE(w->FileName, QStringLiteral("*"));
        QCOMPARE(int(w->NumCaves), 2);
        QCOMPARE(rowNames(*w), (QStringList{"Hlína a kameny", "Světluška a motýl"}));
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
        openFile(name, setFile(5));
        QVERIFY(user->messages.isEmpty());
        QCOMPARE(int(w->NumCaves), 5);
    }

    // What cannot be read is refused with a reason, at once, whatever it is: bytes that are no set or
    // no regular file. Open then goes on with a new set, Join leaves the set, New uses one chamber.
    void refusals_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QByteArray>("bytes"); // written to name first
        addRow("open, missing", "open", "nic.zb", "Soubor neexistuje.", QByteArray());
        addRow("open, folder", "open", "slozka.zb", "Je to složka, ne soubor.", QByteArray());
        addRow("open, FIFO", "open", "fifo.zb", "Není to obyčejný soubor", QByteArray());
        addRow("open, device", "open", "zero.zb", "Není to obyčejný soubor", QByteArray());
        addRow("open, dangling link", "open", "odkaz.zb", "Soubor neexistuje.", QByteArray());
        addRow("open, above the bound", "open", "velky.zb", "větší než 8 MiB", QByteArray());
        addRow("join, missing", "join", "nic.zb", "Soubor neexistuje.", QByteArray());
        addRow("join, FIFO", "join", "fifo.zb", "Není to obyčejný soubor", QByteArray());
        addRow("template FIFO", "new", "fifo.zb", "Není to obyčejný soubor", QByteArray());
        addRow("template device", "new", "zero.zb", "Není to obyčejný soubor", QByteArray());
        addRow("template missing", "new", "nic.zb", "Soubor neexistuje.", QByteArray());
        QByteArray bad = setFile(3);
        const qsizetype fourth = bad.indexOf("\r\n", bad.indexOf("\r\n", bad.indexOf("\r\n") + 2) + 2) + 2;
        bad.insert(fourth, EncodeLine("x") + "\r\n");
        addRow("open, not a chamber", "open", "bad.zb", "Řádek 4 není komnata", bad);
        QByteArray cut = setFile(4);
        cut.chop(2 + cut.size() - cut.lastIndexOf("\r\n", cut.size() - 3) - 2); // cut the congratulation
        addRow("join, no congratulation", "join", "bad.zb", "", cut + "abc\r\n");
    }
    void refusals()
    {
        QFETCH(QString, command);
        QFETCH(QString, name);
        QFETCH(QString, fault);
        QFETCH(QByteArray, bytes);
        QVERIFY(QDir(f->tmp.path()).mkpath(QStringLiteral("slozka.zb")));
        QCOMPARE(mkfifo(QFile::encodeName(path("fifo.zb")).constData(), 0600), 0);
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path("zero.zb")));
        QVERIFY(QFile::link(path("nic.zb"), path("odkaz.zb")));
        QFile big(path("velky.zb"));
        QVERIFY(big.open(QIODevice::WriteOnly) && big.resize(MaxSetFileSize + 1)); // sparse: costs no disk
        big.close();
        if (!bytes.isEmpty())
            QVERIFY(writeFile(path(name), bytes));
        openFile("c.zb", setFile(4));
        const auto data = w->CaveData;
        if (command == QLatin1String("new")) {
            // The template is looked for in the program's folder.
            QVERIFY(QFile::rename(path(name), path("stationery.zb~")) || name == QLatin1String("nic.zb"));
            w->AppPath = f->tmp.path();
            name = QStringLiteral("stationery.zb~");
            w->mnuNew_Click();
        } else {
            user->dialogAnswers << path(name);
            run(command);
        }
        QCOMPARE(user->messages.size(), 1);
        const QString text = user->messages.first().text;
        QVERIFY2(text.contains(path(name) + QStringLiteral("' nelze")) && text.contains(fault),
                 qPrintable(text));
        if (command == QLatin1String("join")) {
            QCOMPARE(w->FileName, path("c.zb"));
            QCOMPARE(rowNames(*w), (QStringList{"K1", "K2", "K3", "K4"}));
            QCOMPARE(w->CaveData, data);
        } else {
            QCOMPARE(w->FileName, QStringLiteral("*"));
            QCOMPARE(rowNames(*w).size(), int(w->NumCaves));
            QCOMPARE(int(w->NumCaves), command == QLatin1String("new") ? 1 : 2);
        }
        QVERIFY(!w->Changed);
        if (command == QLatin1String("new")) {
            // The set is whole: it saves and reads back.
            QCOMPARE(caveNameOf(w->CaveData[1]), QStringLiteral("Nepojmenovaná 19×11"));
            user->dialogAnswers << path("d.zb");
            w->mnuSave_Click();
            QCOMPARE(ReadSetFile(readFile(path("d.zb"))).value().Caves.size(), 1);
        }
    }

    // The set's flag character and its allowed chambers, as the box edits them, go through.
    void flagAndAllowedChambersThroughTheBox()
    {
        SetFileData al = setOf(12);
        al.Allowed[3] = al.Allowed[12] = true;
        al.CollFlag = "%";
        openFile("al.zb", setFile(al));
        QCOMPARE(col->txtCaves->text(), QStringLiteral("01;03;12;"));
        QVERIFY(!w->Changed); // filling the box is no change
        col->txtCaves->setText(QStringLiteral("03;12;5"));
        w->mnuSave_Click();
        AllowedFlags expected{};
        expected[1] = expected[3] = expected[5] = expected[12] = true;
        QCOMPARE(ReadSetFile(readFile(path("al.zb"))).value().Allowed, expected);
        QCOMPARE(ReadSetFile(readFile(path("al.zb"))).value().CollFlag, QByteArray("%"));
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
        QVERIFY(col->RowExists(3));
        QVERIFY(!col->RowExists(4));
    }

    // Chambers the limit leaves in the file are counted to the user.
    void joinLimits_data()
    {
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("after");
        QTest::addColumn<QString>("text");
        const QString some =
            QStringLiteral("Sada smí mít nejvýše 99 komnat.\r\nZe sady '%1' se proto připojil "
                           "jen začátek (%2), zbytek (%3) se nevešel.");
        QTest::newRow("94 joins all") << 94 << 99 << "";
        QTest::newRow("97 joins two") << 97 << 99 << some.arg("%1", "2 komnaty", "3 komnaty");
        QTest::newRow("98 joins one") << 98 << 99 << some.arg("%1", "1 komnata", "4 komnaty");
        QTest::newRow("99 joins none") << 99 << 99
                                       << "Sada už má 99 komnat, víc jich mít nesmí.\r\n"
                                          "Ze sady '%1' se proto nepřipojila žádná komnata.";
    }
    void joinLimits()
    {
        QFETCH(int, before);
        QFETCH(int, after);
        QFETCH(QString, text);
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
        if (text.isEmpty()) {
            QVERIFY(user->messages.isEmpty());
        } else {
            QCOMPARE(user->messages.size(), 1);
            QCOMPARE(user->messages.first().text, text.arg(path("five.zb")));
        }
    }

    // A blank line a text editor added after the congratulation: the set opens
    // and joins whole, and its next save leaves the line out.
    void blankLineAfterTheCongratulation()
    {
        openFile("s.zb", setFile(3) + "\r\n");
        QVERIFY(user->messages.isEmpty());
        QCOMPARE(rowNames(*w), (QStringList{"K1", "K2", "K3"}));
        const QString congratulation = col->txtCongr->toPlainText();
        QCOMPARE(congratulation, Text8::toBoxText(setOf(3).Congratulation));
        user->dialogAnswers << path("s.zb");
        w->mnuJoin_Click();
        QVERIFY(user->messages.isEmpty());
        QCOMPARE(rowNames(*w), (QStringList{"K1", "K2", "K3", "K1", "K2", "K3"}));
        w->mnuSave_Click();
        const QByteArray saved = readFile(path("s.zb"));
        QCOMPARE(SplitSetFileLines(saved).size(), 6 + 4);
        QCOMPARE(ReadSetFile(saved).value().Congratulation, Text8::fromBoxText(congratulation));
    }

    // A chamber window whose record has no chamber string stops whatever would
    // store it: the file, the list, the chambers and Changed stay as they were.
    void unstorableChamberStops_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("stopped");
        addRow("Uložit", "save", "Sada proto nebyla uložena.");
        addRow("Přidat", "add", "Nová komnata proto nebyla přidána.");
        addRow("Smazat", "delete", "Komnata 1 proto nebyla smazána.");
        addRow("Nahoru", "up", "Komnata 2 proto nebyla přesunuta.");
        addRow("Dolu", "down", "Komnata 2 proto nebyla přesunuta.");
        addRow("Nová, uložit", "new", "Sada proto nebyla uložena.");
    }
    void unstorableChamberStops()
    {
        QFETCH(QString, command);
        QFETCH(QString, stopped);
        openFile("s.zb", setFile(3));
        const QByteArray file = readFile(path("s.zb"));
        w->ShowCave(2);
        frmCave *c = w->BoundCave(2);
        c->txtName->setText(QStringLiteral("Nové"));
        c->txtDesc->setMaxBytes(0); // no way in through the box: a record the string cannot hold
        c->txtDesc->SetText(QString(300, u'p'));
        const auto data = w->CaveData;
        // Should the size dialog come up, it goes again.
        f->whenSizeDialogShows([](frmSize *s) { s->close(); });
        if (command == QLatin1String("new"))
            user->messageAnswers << Vb::MsgYes;
        run(command);
        QCOMPARE(readFile(path("s.zb")), file);
        QCOMPARE(w->FileName, path("s.zb"));
        QVERIFY(w->Changed);
        QCOMPARE(rowNames(*w), (QStringList{"K1", "Nové", "K3"}));
        QCOMPARE(w->CaveData, data);
        QCOMPARE(w->BoundCave(2), c);
        QCOMPARE(int(col->Selected), 1);
        QVERIFY(!user->messages.isEmpty());
        QCOMPARE(user->messages.last().text,
                 QStringLiteral(
                     "Komnatu 2 'Nové' nelze uložit do sady. Popis komnaty je delší než 190 znaků.\r\n") +
                     stopped);
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
            << "Sada by v souboru zabrala víc než 8 MiB, a tak velkou sadu by editor znovu neotevřel. "
               "Zkrať popis nebo gratulaci sady.";
    }
    void saveFailureKeepsTheOldFile()
    {
        QFETCH(int, how);
        QFETCH(QString, fault);
        openFile("old.zb", setFile(30));
        const QByteArray old = readFile(path("old.zb"));
        col->txtDesc->setPlainText(QString(3000, u'd'));
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
            col->txtCongr->setPlainText(
                QString(QString(79, u'c') + u'\n').repeated(MaxSetFileSize / 3 / 80 + 1));
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

    // Hidden or behind a chamber window, the set window comes up in front with the focus.
    void setButtonShowsTheSetWindow()
    {
        QApplication::setActiveWindow(w);
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

    // A set made, opened or joined shows in its window, brought back from minimised and active.
    void minimisedSetWindowComesBackWithTheSet_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QStringList>("rows");
        const QStringList mine{"K1", "K2", "K3"}, stationery{"Hlína a kameny", "Světluška a motýl"};
        QTest::newRow("new") << "mnuFile"
                             << "&Nová" << stationery;
        QTest::newRow("open") << "mnuFile"
                              << "&Otevřít" << mine;
        QTest::newRow("join") << "mnuEdit"
                              << "Připojit sadu" << stationery + mine;
    }
    void minimisedSetWindowComesBackWithTheSet()
    {
        QFETCH(QString, menu);
        QFETCH(QString, entry);
        QVERIFY(writeFile(path("a.zb"), setFile(3)));
        user->dialogAnswers << path("a.zb");
        const QSize inner = col->size();
        QMdiSubWindow *set = col->subWindow();
        pointerClick(set, titleButton(set, QStyle::SC_TitleBarMinButton));
        QVERIFY(set->isMinimized());
        QVERIFY(chooseFromMenu(w->menuBar(), f->control<QMenu>(menu), entry));
        QTRY_VERIFY(!set->isMinimized() && !col->minimizedOrRestoring());
        QCOMPARE(w->mdiArea()->activeSubWindow(), set);
        QCOMPARE(col->size(), inner);
        QTEST(rowNames(*w), "rows");
    }
};

QTEST_MAIN(TestCommands)
#include "tst_commands.moc"
