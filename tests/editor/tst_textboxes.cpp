#include "common/text8.h"
#include "editorfixture.h"
#include "shell/frmcol.h"
#include "store/setfile.h"
#include "toolkit/multilinebox.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QSignalSpy>
#include <QTextBlock>
#include <QTextLayout>
#include <QToolTip>

// The text boxes of the set window and the chamber window, driven by keys and
// pastes: what they hold is what reaches the file.
class TestTextBoxes : public QObject
{
    Q_OBJECT

    std::unique_ptr<EditorFixture> f;
    frmMain *m = nullptr;
    frmCave *cave = nullptr;

    QWidget *box(const QString &name) const
    {
        frmCol *col = m->SetWindow();
        const QHash<QString, QWidget *> boxes{
            {"chamber name", cave->txtName},   {"chamber description", cave->txtDesc},
            {"set name", col->txtName},        {"set author", col->txtAuth},
            {"set description", col->txtDesc}, {"set congratulation", col->txtCongr},
            {"set e-mail", col->txtMail},      {"allowed chambers", col->txtCaves}};
        return boxes.value(name);
    }
    static QString text(QWidget *w)
    {
        if (auto *line = qobject_cast<QLineEdit *>(w))
            return line->text();
        return static_cast<MultiLineBox *>(w)->Text();
    }
    static int caret(QWidget *w)
    {
        if (auto *line = qobject_cast<QLineEdit *>(w))
            return line->cursorPosition();
        return static_cast<MultiLineBox *>(w)->textCursor().position();
    }
    static void setText(QWidget *w, const QString &text, int from, int to)
    {
        if (auto *line = qobject_cast<QLineEdit *>(w)) {
            line->setText(text);
            line->setSelection(from, to - from);
            return;
        }
        auto *edit = static_cast<MultiLineBox *>(w);
        edit->SetText(text);
        QTextCursor c = edit->textCursor();
        c.setPosition(from);
        c.setPosition(to, QTextCursor::KeepAnchor);
        edit->setTextCursor(c);
    }
    // "\n" is the Enter key, "\r" Shift+Enter, "\b" Backspace, "\x01" Ctrl+A; the rest is typed as it is.
    static void type(QWidget *w, const QString &keys)
    {
        for (const QChar c : keys) {
            if (c == u'\b')
                QTest::keyClick(w, Qt::Key_Backspace);
            else if (c == u'\x01')
                QTest::keyClick(w, Qt::Key_A, Qt::ControlModifier);
            else if (c == u'\n')
                QTest::keyClick(w, Qt::Key_Return);
            else if (c == u'\r')
                QTest::keyClick(w, Qt::Key_Return, Qt::ShiftModifier);
            else
                QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }

    // The paste of the box's own context menu, as the user picks it.
    static void menuPaste(QWidget *w)
    {
        QContextMenuEvent e(QContextMenuEvent::Keyboard, QPoint(2, 2), w->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(w, &e);
        QMenu *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menu);
        const QList<QAction *> items = menu->actions();
        const auto paste = std::find_if(items.begin(), items.end(),
                                        [](QAction *a) { return a->text().startsWith("&Paste"); });
        QVERIFY(paste != items.end());
        (*paste)->trigger();
        menu->close();
    }
    static QString capTip()
    {
        return QStringLiteral(
            "Text je delší, než pole pojme (nejvýše 190 bajtů); co se nevešlo, bylo vynecháno.");
    }

private slots:
    void init()
    {
        f = std::make_unique<EditorFixture>();
        m = f->m;
        cave = f->show(DefaultCave());
        m->SetWindow()->show();
        m->Changed = false;
    }
    void cleanup() { f.reset(); }

    void maximumLength_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("start");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("expected");
        const QString a100(100, u'a'), z85(85, u'z'), full(190, u'a');
        for (const char *box : {"chamber name", "chamber description", "set name", "set author"}) {
            const QByteArray n(box);
            QTest::newRow(n + ": paste cut at the caret") << box << a100 + z85 << 100 << 100 << ""
                                                          << "0123456789" << a100 + "01234" + z85;
            QTest::newRow(n + ": key refused when full") << box << full << 50 << 50 << "x"
                                                         << "" << full;
            QTest::newRow(n + ": paste over a selection") << box << full << 10 << 13 << ""
                                                          << "xyzw" << full.left(10) + "xyz" + full.mid(13);
        }
        const QString desc = "chamber description";
        QTest::newRow("a line break takes two bytes") << desc << full.left(189) << 189 << 189 << "\n\r"
                                                      << "" << full.left(189);
        QTest::newRow("pasted line breaks too") << desc << full.left(183) << 183 << 183 << ""
                                                << "ab\r\ncd\nef" << full.left(183) + "ab\ncd";
        QTest::newRow("huge paste") << desc << "" << 0 << 0 << "" << QString(100000, u'q')
                                    << QString(190, u'q');
        // A set file gives these no length; the line edit's own default would cut at 32,767.
        const QString mail(40000, u'm'), allowed = QStringLiteral("03;").repeated(12000) + "12;";
        QTest::newRow("set e-mail: a long paste") << "set e-mail"
                                                  << "" << 0 << 0 << "" << mail << mail;
        QTest::newRow("allowed chambers: a long paste") << "allowed chambers"
                                                        << "" << 0 << 0 << "" << allowed << allowed;
    }
    // A keystroke or paste that would pass the limit is refused or cut where it
    // goes in; the caret follows what went in, the text after it stays, and the
    // edit is undone and redone as one.
    void maximumLength()
    {
        QFETCH(QString, name);
        QFETCH(QString, start);
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(QString, typed);
        QFETCH(QString, pasted);
        QFETCH(QString, expected);
        QWidget *w = box(name);
        setText(w, start, from, to);
        w->setFocus();
        type(w, typed);
        if (!pasted.isEmpty()) {
            QGuiApplication::clipboard()->setText(pasted);
            QTest::keyClick(w, Qt::Key_V, Qt::ControlModifier);
        }
        QCOMPARE(text(w), expected);
        // Only a cut is told.
        const bool whole = expected == start.left(from) + typed + pasted + start.mid(to);
        QCOMPARE(QToolTip::text(), whole ? QString() : capTip());
        const int inserted = static_cast<int>(expected.size() - start.size()) + (to - from);
        QCOMPARE(caret(w), from + std::max(0, inserted));
        QMetaObject::invokeMethod(w, "undo");
        QCOMPARE(text(w), start);
        QMetaObject::invokeMethod(w, "redo");
        QCOMPARE(text(w), expected);
        if (w == cave->txtDesc || w == cave->txtName) {
            const CaveRecord r = cave->record();
            QCOMPARE(Text8::toBoxText(w == cave->txtDesc ? r.Description : r.Name), expected);
        }
    }

    void inputMethodTextIsCut()
    {
        setText(cave->txtDesc, QString(187, u'a'), 0, 0);
        QInputMethodEvent e;
        e.setCommitString(QStringLiteral("xyzw"));
        QApplication::sendEvent(cave->txtDesc, &e);
        QCOMPARE(cave->txtDesc->Text(), "xyz" + QString(187, u'a'));
    }

    void onlyCodePage1250_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("left"); // what the box's tooltip names as left out
        const QString held = QStringLiteral("Příliš žluťoučký kůň ľ§×\u00A0");
        for (const char *box : {"chamber name", "chamber description", "set name", "set author", "set e-mail",
                                "set description", "set congratulation"}) {
            const QByteArray n(box);
            // Typed one by one, the last key left out is the one named.
            QTest::newRow(n + ": typed") << box << "typed"
                                         << "Жук Hélène"
                                         << " Hélne"
                                         << "è";
            QTest::newRow(n + ": pasted") << box << "pasted"
                                          << "Hélène😀"
                                          << "Hélne"
                                          << "è 😀";
            QTest::newRow(n + ": menu paste") << box << "menu paste"
                                              << "Hélène😀"
                                              << "Hélne"
                                              << "è 😀";
            QTest::newRow(n + ": dropped") << box << "dropped"
                                           << "aЖb"
                                           << "ab"
                                           << "Ж";
            QTest::newRow(n + ": input method") << box << "input method"
                                                << "Жук€"
                                                << "€"
                                                << "Ж у к";
            QTest::newRow(n + ": Czech and Slovak pass") << box << "pasted" << held << held << "";
        }
        // Rich text comes in as the text it shows, by any way in.
        for (const char *box : {"chamber description", "set description", "set congratulation"}) {
            const QByteArray n(box);
            QTest::newRow(n + ": Markdown pasted") << box << "Markdown pasted"
                                                   << "Жук **bold** 中"
                                                   << " bold "
                                                   << "Ж у к 中";
            QTest::newRow(n + ": HTML pasted") << box << "HTML pasted"
                                               << "<b>Crème</b> brûlée"
                                               << "Crme brlée"
                                               << "è û";
            QTest::newRow(n + ": HTML dropped") << box << "HTML dropped"
                                                << "<i>Жук</i> ok"
                                                << " ok"
                                                << "Ж у к";
        }
        QTest::newRow("allowed chambers: typed") << "allowed chambers"
                                                 << "typed"
                                                 << "1Ж2"
                                                 << "12"
                                                 << "Ж";
        QTest::newRow("allowed chambers: pasted") << "allowed chambers"
                                                  << "pasted"
                                                  << "3Ж,4"
                                                  << "03;4"
                                                  << "Ж";
    }
    // Whatever way text comes in, a character code page 1250 lacks stays out, so the saved bytes
    // are what the box shows; the box says what it left out, and its undo stays whole.
    void onlyCodePage1250()
    {
        QFETCH(QString, name);
        QFETCH(QString, way);
        QFETCH(QString, input);
        QFETCH(QString, expected);
        QFETCH(QString, left);
        QWidget *w = box(name);
        auto *multi = qobject_cast<MultiLineBox *>(w);
        setText(w, {}, 0, 0);
        w->setFocus();
        auto *offered = new QMimeData; // the clipboard takes it
        if (way.startsWith("HTML"))
            offered->setHtml(input);
        else if (way.startsWith("Markdown"))
            offered->setData("text/markdown", input.toUtf8());
        else
            offered->setText(input);
        if (way == "typed") {
            delete offered;
            type(w, input);
        } else if (way.endsWith("pasted")) {
            QGuiApplication::clipboard()->setMimeData(offered);
            QTest::keyClick(w, Qt::Key_V, Qt::ControlModifier);
        } else if (way == "menu paste") {
            QGuiApplication::clipboard()->setMimeData(offered);
            menuPaste(w);
        } else if (way.endsWith("dropped")) {
            std::unique_ptr<QMimeData> data(offered);
            QWidget *target = multi ? multi->viewport() : w;
            QDragEnterEvent enter(QPoint(2, 2), Qt::CopyAction, data.get(), Qt::LeftButton, {});
            QApplication::sendEvent(target, &enter);
            QDropEvent drop(QPointF(2, 2), Qt::CopyAction, data.get(), Qt::LeftButton, {});
            QApplication::sendEvent(target, &drop);
        } else {
            delete offered;
            QInputMethodEvent e;
            e.setCommitString(input);
            QApplication::sendEvent(w, &e);
        }
        QCOMPARE(text(w), expected);
        QCOMPARE(QToolTip::text(), left.isEmpty()
                                       ? QString()
                                       : "Znaky, které soubor sady neumí uložit, byly vynechány: " + left);
        if (name != "allowed chambers") { // its normaliser writes the box anew
            for (int i = 0; i < 3; ++i)
                QTest::keyClick(w, Qt::Key_Z, Qt::ControlModifier);
            QCOMPARE(text(w), QString());
            for (int i = 0; i < 3; ++i)
                QTest::keyClick(w, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
            QCOMPARE(text(w), expected);
        }

        const QString path = f->path("s.zb");
        QVERIFY(m->SaveCollection(path));
        const auto saved = ReadSetFile(readFile(path));
        QVERIFY2(saved.ok(), qPrintable(saved.error()));
        const SetFileData &set = saved.value();
        const auto chamber = StringToCave(set.Caves.value(0));
        QVERIFY(chamber.ok());
        const QHash<QString, QByteArray> bytes{{"chamber name", chamber->Name},
                                               {"chamber description", chamber->Description},
                                               {"set name", set.Name},
                                               {"set author", set.Author},
                                               {"set e-mail", set.Mail},
                                               {"set description", set.Description},
                                               {"set congratulation", set.Congratulation}};
        if (bytes.contains(name))
            QCOMPARE(bytes.value(name), multi ? Text8::fromBoxText(expected) : Text8::fromUnicode(expected));
    }

    // A paste of nothing the file can hold changes nothing: it does not delete the selection either.
    void refusedPasteKeepsTheSelection()
    {
        QWidget *w = box(QStringLiteral("chamber name"));
        setText(w, QStringLiteral("abc"), 0, 3);
        w->setFocus();
        QGuiApplication::clipboard()->setText(QStringLiteral("Жук"));
        QTest::keyClick(w, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(text(w), QStringLiteral("abc"));
    }

    void loadStartsUndoAnew_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("keys");
        QTest::newRow("set description") << "set description"
                                         << "abc\b\b\b";
        QTest::newRow("chamber description") << "chamber description"
                                             << "abc\b\b\b";
        QTest::newRow("chamber gems") << "chamber gems"
                                      << "\x01"
                                         "12";
    }
    // A set loaded, or a chamber bound into its window, with the text a box already shows leaves
    // nothing of the earlier edits to undo: Ctrl+Z neither brings them back nor marks the set changed.
    void loadStartsUndoAnew()
    {
        QFETCH(QString, name);
        QFETCH(QString, keys);
        const bool set = name.startsWith("set");
        QWidget *w = name == "chamber gems" ? cave->txtUD(0) : box(name);
        const auto load = [&] {
            m->Changed = false;
            if (set) {
                SetFileData data = setOf(1);
                data.Description.clear();
                QVERIFY(writeFile(f->path("e.zb"), setFile(data)));
                QVERIFY(m->OpenCollection(f->path("e.zb")));
            } else
                cave->OpenCave(chamberString(cave->record()));
            m->Changed = false;
        };
        if (set)
            load();
        w->setFocus();
        type(w, keys);
        const QString shown = text(w);
        load();
        QTest::keyClick(w, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(text(w), shown);
        QVERIFY(!m->Changed);
    }

    void typedBytes_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("chamber description") << "chamber description";
        QTest::newRow("set description") << "set description";
        QTest::newRow("set congratulation") << "set congratulation";
    }
    // Shift+Enter and the no-break space are kept as the file writes them.
    void typedBytes()
    {
        QFETCH(QString, name);
        auto *w = static_cast<MultiLineBox *>(box(name));
        w->SetText({});
        w->setFocus();
        type(w, QStringLiteral("a\rb\u00A0c\nd"));
        QCOMPARE(w->Bytes(), QByteArray("a\r\nb\xA0"
                                        "c\r\nd"));
        if (w == cave->txtDesc)
            QCOMPARE(cave->record().Description, w->Bytes());
    }

    // Prose wraps at its blanks, also after a run without a place to break came and went,
    // put in by a load or by a paste over it.
    void proseWrapsAtBlanks_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("paste");
        for (const char *box : {"set description", "set congratulation"}) {
            QTest::newRow(QByteArray(box) + ", loaded") << box << false;
            QTest::newRow(QByteArray(box) + ", pasted") << box << true;
        }
    }
    void proseWrapsAtBlanks()
    {
        QFETCH(QString, name);
        QFETCH(bool, paste);
        auto *w = static_cast<MultiLineBox *>(box(name));
        w->SetText(QString(3000, u'x'));
        const QString prose =
            QStringLiteral("Sbírej drahokamy, vyhni se kamenům a najdi cestu ven. ").repeated(4);
        if (paste) {
            w->setFocus();
            w->selectAll();
            QGuiApplication::clipboard()->setText(prose);
            QTest::keyClick(w, Qt::Key_V, Qt::ControlModifier);
        } else {
            w->SetText(prose);
        }
        QCOMPARE(w->Text(), prose);
        const QTextLayout *lines = w->document()->firstBlock().layout();
        QVERIFY(lines->lineCount() > 3);
        for (int i = 1; i < lines->lineCount(); ++i)
            QCOMPARE(prose.at(lines->lineAt(i).textStart() - 1), u' ');
    }

    void sameTextRaisesNoChange_data() { typedBytes_data(); }
    void sameTextRaisesNoChange()
    {
        QFETCH(QString, name);
        auto *w = static_cast<MultiLineBox *>(box(name));
        w->SetText(QStringLiteral("a\nb"));
        m->Changed = false;
        QSignalSpy changes(w, &QPlainTextEdit::textChanged);
        w->SetText(QStringLiteral("a\nb"));
        QCOMPARE(changes.size(), 0);
        QVERIFY(!m->Changed);
        w->SetText(QStringLiteral("a\nc"));
        QCOMPARE(changes.size(), 1);
    }
};

QTEST_MAIN(TestTextBoxes)
#include "tst_textboxes.moc"
