#include "shell/commondialogy.h"
#include "support/mainwindow.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

class TestDialogs : public QObject
{
    Q_OBJECT
private slots:
    void init() { CommonDialogy::InitDir.clear(); }

    void stem_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("stem");
        addRow("Nová sada", "Nová sada", "novasada");
        addRow("Moje_Sada #1", "Moje_Sada #1", "moje-sada~1");
        addRow("Čáry & Máry", "Čáry & Máry", "caryandmary");
        addRow("Sada 2,5", "Sada 2,5", "sada2.5");
        addRow("Ősi", "Ősi", "~si");
        addRow("ÄÖÜ ß", "ÄÖÜ ß", "aouss");
        addRow("empty", "", "");
        addRow("Czech capitals", "ĚŠČŘŽÝÁÍÉÚŮÓĎŤŇ", "escrzyaieuuodtn");
        addRow("other accents", "ŚŔĹŹĆŃĽËÇÔÎÂĂĄĐĘŁ", "srlzcnlecoiaaadel");
        addRow("to tilde", "\"#!%^?`'", "~~~~~~~~");
        addRow("letters for signs", "@$&*", "asandx");
        addRow("to hyphen", "/=\\_+:;", "-------");
        addRow("brackets", "<a>[b]", "(a)(b)");
        addRow("above z", "{|}~§űőż", "~~~~~~~~");
        addRow("kept", "az09.()-", "az09.()-");
        addRow("control characters", "a\r\nb\tc\x01", "abc");
    }
    void stem()
    {
        QFETCH(QString, name);
        QTEST(CommonDialogy::RemoveRegChars(name), "stem");
    }

    void requestCarriesTheCall()
    {
        ScriptedUser user;
        user.dialogAnswers << "/tmp/x.zb";
        const QString chosen =
            CommonDialogy::ShowFileDialog(nullptr, false, QStringLiteral("Otevřít sadu"),
                                          QStringLiteral("Sady komnat pro Zorbela (*.zb);*.zb"), QString(),
                                          CommonDialogy::OFN_FORCESHOWHIDDEN, QStringLiteral("zb"));
        QCOMPARE(chosen, QStringLiteral("/tmp/x.zb"));
        QCOMPARE(user.dialogs.size(), 1);
        const Vb::FileDialogRequest &r = user.dialogs.first();
        QVERIFY(!r.save && r.showHidden);
        QCOMPARE((QStringList{r.title, r.filterName, r.filterPattern, r.defaultExtension, r.initialName}),
                 (QStringList{"Otevřít sadu", "Sady komnat pro Zorbela (*.zb)", "*.zb", "zb", ""}));
    }

    // Before any folder is remembered: the documents folder, or home without one.
    void firstDialogStartsInDocuments_data()
    {
        QTest::addColumn<bool>("documents");
        QTest::newRow("documents folder") << true;
        QTest::newRow("home only") << false;
    }
    void firstDialogStartsInDocuments()
    {
        QFETCH(bool, documents);
        QTemporaryDir home;
        const QByteArray oldHome = qgetenv("HOME");
        const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
        qputenv("HOME", QFile::encodeName(home.path()));
        qunsetenv("XDG_CONFIG_HOME");
        if (documents)
            QVERIFY(QDir(home.path()).mkdir(QStringLiteral("Documents")));
        ScriptedUser user;
        CommonDialogy::ShowFileDialog(nullptr, false, "t", "a;*.zb", QString(), 0, "zb");
        qputenv("HOME", oldHome);
        if (!oldConfig.isEmpty())
            qputenv("XDG_CONFIG_HOME", oldConfig);
        QCOMPARE(user.dialogs.first().initialDir,
                 home.path() + (documents ? QStringLiteral("/Documents/") : QStringLiteral("/")));
        QVERIFY(CommonDialogy::InitDir.isEmpty());
    }

    void initialFolderIsRemembered_data()
    {
        QTest::addColumn<QStringList>("paths");
        QTest::addColumn<QString>("dir");
        QTest::addColumn<QString>("name");
        addRow("folder and name", QStringList{"/hry/sady/moje.zb"}, "/hry/sady/", "moje.zb");
        addRow("then an empty path", QStringList{"/hry/sady/moje.zb", ""}, "/hry/sady/", "");
        addRow("ends with a separator", QStringList{"/hry/sady/"}, "/hry/sady/", "");
        addRow("name without folder", QStringList{"/a/b.zb", "jen.zb"}, "/a/", "");
        addRow("later folder wins", QStringList{"/a/b.zb", "/c/d/e.zb"}, "/c/d/", "e.zb");
    }
    void initialFolderIsRemembered()
    {
        QFETCH(QStringList, paths);
        QFETCH(QString, dir);
        ScriptedUser user; // cancels every dialog
        for (const QString &p : paths)
            QCOMPARE(CommonDialogy::ShowFileDialog(nullptr, true, "t", "a;*.zb", p, 0, "zb"), QString());
        const Vb::FileDialogRequest &r = user.dialogs.last();
        QCOMPARE(r.initialDir, dir);
        QTEST(r.initialName, "name");
        QCOMPARE(CommonDialogy::InitDir, dir);
        QVERIFY(!r.showHidden && r.save);
    }

    // The real dialog, typed into as a user would: it alone appends the extension.
    void defaultExtensionOnSave_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("result");
        addRow("typed without", "d", "moje", "d/moje.zb");
        addRow("typed with", "d", "moje.zb", "d/moje.zb");
        addRow("other extension", "d", "moje.txt", "d/moje.txt");
        addRow("dotted folder", "d.x", "moje", "d.x/moje.zb");
        addRow("cancel", "d", "", "");
    }
    void defaultExtensionOnSave()
    {
        QFETCH(QString, folder);
        QFETCH(QString, typed);
        QFETCH(QString, result);
        QTemporaryDir tmp;
        QVERIFY(QDir(tmp.path()).mkpath(folder));
        const QString dir = tmp.path() + u'/' + folder + u'/';
        bool answered = false;
        QTimer::singleShot(0, [&] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            auto *name = dialog ? dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")) : nullptr;
            if (!name)
                return;
            answered = true;
            name->setText(typed);
            QTest::keyClick(name, typed.isEmpty() ? Qt::Key_Escape : Qt::Key_Return);
        });
        const QString chosen = CommonDialogy::ShowFileDialog(nullptr, true, "t", "a;*.zb", dir, 0, "zb");
        QVERIFY(answered);
        QCOMPARE(chosen, result.isEmpty() ? result : tmp.path() + u'/' + result);
    }
};

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
