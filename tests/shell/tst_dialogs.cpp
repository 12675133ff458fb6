#include "shell/commondialogy.h"
#include "support/testsupport.h"

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
        QTest::newRow("Nová sada") << "Nová sada"
                                   << "novasada";
        QTest::newRow("Moje_Sada #1") << "Moje_Sada #1"
                                      << "moje-sada~1";
        QTest::newRow("Čáry & Máry") << "Čáry & Máry"
                                     << "caryandmary";
        QTest::newRow("Sada 2,5") << "Sada 2,5"
                                  << "sada2.5";
        QTest::newRow("Ősi") << "Ősi"
                             << "~si";
        QTest::newRow("ÄÖÜ ß") << "ÄÖÜ ß"
                               << "aouss";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("Czech capitals") << "ĚŠČŘŽÝÁÍÉÚŮÓĎŤŇ"
                                        << "escrzyaieuuodtn";
        QTest::newRow("other accents") << "ŚŔĹŹĆŃĽËÇÔÎÂĂĄĐĘŁ"
                                       << "srlzcnlecoiaaadel";
        QTest::newRow("to tilde") << "\"#!%^?`'"
                                  << "~~~~~~~~";
        QTest::newRow("letters for signs") << "@$&*"
                                           << "asandx";
        QTest::newRow("to hyphen") << "/=\\_+:;"
                                   << "-------";
        QTest::newRow("brackets") << "<a>[b]"
                                  << "(a)(b)";
        QTest::newRow("above z") << "{|}~§űőż"
                                 << "~~~~~~~~";
        QTest::newRow("kept") << "az09.()-"
                              << "az09.()-";
        QTest::newRow("control characters") << "a\r\nb\tc\x01"
                                            << "abc";
    }
    void stem()
    {
        QFETCH(QString, name);
        QFETCH(QString, stem);
        QCOMPARE(CommonDialogy::RemoveRegChars(name), stem);
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
        QVERIFY(!r.save);
        QCOMPARE(r.title, QStringLiteral("Otevřít sadu"));
        QCOMPARE(r.filterName, QStringLiteral("Sady komnat pro Zorbela (*.zb)"));
        QCOMPARE(r.filterPattern, QStringLiteral("*.zb"));
        QCOMPARE(r.defaultExtension, QStringLiteral("zb"));
        QVERIFY(r.showHidden);
        QVERIFY(r.initialName.isEmpty());
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
        QTest::newRow("folder and name") << QStringList{"/hry/sady/moje.zb"} << "/hry/sady/"
                                         << "moje.zb";
        QTest::newRow("then an empty path") << QStringList{"/hry/sady/moje.zb", ""} << "/hry/sady/"
                                            << "";
        QTest::newRow("ends with a separator") << QStringList{"/hry/sady/"} << "/hry/sady/"
                                               << "";
        QTest::newRow("name without folder") << QStringList{"/a/b.zb", "jen.zb"} << "/a/"
                                             << "";
        QTest::newRow("later folder wins") << QStringList{"/a/b.zb", "/c/d/e.zb"} << "/c/d/"
                                           << "e.zb";
    }
    void initialFolderIsRemembered()
    {
        QFETCH(QStringList, paths);
        QFETCH(QString, dir);
        QFETCH(QString, name);
        ScriptedUser user; // cancels every dialog
        for (const QString &p : paths)
            QCOMPARE(CommonDialogy::ShowFileDialog(nullptr, true, "t", "a;*.zb", p, 0, "zb"), QString());
        const Vb::FileDialogRequest &r = user.dialogs.last();
        QCOMPARE(r.initialDir, dir);
        QCOMPARE(r.initialName, name);
        QCOMPARE(CommonDialogy::InitDir, dir);
        QVERIFY(!r.showHidden);
        QVERIFY(r.save);
    }

    // The real dialog, typed into as a user would: it alone appends the extension.
    void defaultExtensionOnSave_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("result");
        QTest::newRow("typed without") << "d"
                                       << "moje"
                                       << "d/moje.zb";
        QTest::newRow("typed with") << "d"
                                    << "moje.zb"
                                    << "d/moje.zb";
        QTest::newRow("other extension") << "d"
                                         << "moje.txt"
                                         << "d/moje.txt";
        QTest::newRow("dotted folder") << "d.x"
                                       << "moje"
                                       << "d.x/moje.zb";
        QTest::newRow("cancel") << "d"
                                << ""
                                << "";
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
