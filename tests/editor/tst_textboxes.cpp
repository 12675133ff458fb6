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

// The editor's main window showing a chamber beside the set window, the set unchanged.
struct TextBoxFixture : EditorFixture
{
    frmCave *const cave = show(DefaultCave());

    TextBoxFixture()
    {
        m->SetWindow()->show();
        m->Changed = false;
    }
    // The boxes the user types into, by what they hold.
    QWidget *textBox(const QString &name) const
    {
        frmCol *col = m->SetWindow();
        const QHash<QString, QWidget *> boxes{
            {"chamber name", cave->txtName},   {"chamber description", cave->txtDesc},
            {"set name", col->txtName},        {"set author", col->txtAuth},
            {"set description", col->txtDesc}, {"set congratulation", col->txtCongr},
            {"set e-mail", col->txtMail},      {"allowed chambers", col->txtCaves},
            {"chamber gems", cave->txtUD(0)}}; // "Potřebný počet drahokamů :"
        return boxes.value(name);
    }
};

// The text boxes of the set window and the chamber window, driven by keys and
// pastes: what they hold is what reaches the file.
class TestTextBoxes : public QObject, FreshWindow<TextBoxFixture>
{
    Q_OBJECT

    static QString text(QWidget *w)
    {
        if (auto *line = qobject_cast<QLineEdit *>(w))
            return line->text();
        return static_cast<MultiLineBox *>(w)->Text();
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

    // Text put into the focused box by way ("typed", "pasted", "menu paste", "dropped", "input method",
    // or "HTML ..."/"Markdown ..." pasted or dropped as that kind).
    static void putIn(QWidget *box, const QString &way, const QString &input)
    {
        auto offered = std::make_unique<QMimeData>();
        if (way.startsWith("HTML"))
            offered->setHtml(input);
        else if (way.startsWith("Markdown"))
            offered->setData("text/markdown", input.toUtf8());
        else
            offered->setText(input);
        if (way == "typed") {
            type(box, input);
        } else if (way == "input method") {
            QInputMethodEvent e;
            e.setCommitString(input);
            QApplication::sendEvent(box, &e);
        } else if (way.endsWith("dropped")) {
            auto *multi = qobject_cast<MultiLineBox *>(box);
            QWidget *target = multi ? multi->viewport() : box;
            QDragEnterEvent enter(QPoint(2, 2), Qt::CopyAction, offered.get(), Qt::LeftButton, {});
            QApplication::sendEvent(target, &enter);
            QDropEvent drop(QPointF(2, 2), Qt::CopyAction, offered.get(), Qt::LeftButton, {});
            QApplication::sendEvent(target, &drop);
        } else {
            QGuiApplication::clipboard()->setMimeData(offered.release()); // the clipboard takes it
            if (way != "menu paste")
                return QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
            // the paste of the box's own context menu, as the user picks it
            QContextMenuEvent e(QContextMenuEvent::Keyboard, QPoint(2, 2), box->mapToGlobal(QPoint(2, 2)));
            QApplication::sendEvent(box, &e);
            QMenu *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            QVERIFY(menu);
            const QList<QAction *> items = menu->actions();
            const auto paste = std::find_if(items.begin(), items.end(),
                                            [](QAction *a) { return a->text().startsWith("&Paste"); });
            QVERIFY(paste != items.end());
            (*paste)->trigger();
            menu->close();
        }
    }

private slots:
    void init() { start(); }
    void cleanup() { reset(); }

    void maximumLength_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("start");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("expected");
        const QString a100(100, u'a'), z85(85, u'z'), full(190, u'a');
        for (const char *box : {"chamber name", "chamber description", "set name", "set author"}) {
            const QByteArray n(box);
            addRow(n + ": paste cut at the caret", box, a100 + z85, 100, 100, "pasted", "0123456789",
                   a100 + "01234" + z85);
            addRow(n + ": key refused when full", box, full, 50, 50, "typed", "x", full);
            addRow(n + ": paste over a selection", box, full, 10, 13, "pasted", "xyzw",
                   full.left(10) + "xyz" + full.mid(13));
        }
        const char *desc = "chamber description";
        addRow("a line break takes two bytes", desc, full.left(189), 189, 189, "typed", "\n\r",
               full.left(189));
        addRow("pasted line breaks too", desc, full.left(183), 183, 183, "pasted", "ab\r\ncd\nef",
               full.left(183) + "ab\ncd");
        addRow("input method", desc, full.left(187), 0, 0, "input method", "xyzw", "xyz" + full.left(187));
        addRow("huge paste", desc, "", 0, 0, "pasted", QString(100000, u'q'), QString(190, u'q'));
        // A set file gives these no length; the line edit's own default would cut at 32,767.
        const QString mail(40000, u'm'), allowed = QStringLiteral("03;").repeated(12000) + "12;";
        addRow("set e-mail: a long paste", "set e-mail", "", 0, 0, "pasted", mail, mail);
        addRow("allowed chambers: a long paste", "allowed chambers", "", 0, 0, "pasted", allowed, allowed);
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
        QFETCH(QString, way);
        QFETCH(QString, input);
        QFETCH(QString, expected);
        QWidget *box = f->textBox(name);
        setText(box, start, from, to);
        box->setFocus();
        putIn(box, way, input);
        QCOMPARE(text(box), expected);
        // Only a cut is told.
        const bool whole = expected == start.left(from) + input + start.mid(to);
        const QString cut =
            "Text je delší, než pole pojme (nejvýše 190 bajtů); co se nevešlo, bylo vynecháno.";
        QCOMPARE(QToolTip::text(), whole ? QString() : cut);
        const int inserted = static_cast<int>(expected.size() - start.size()) + (to - from);
        auto *line = qobject_cast<QLineEdit *>(box);
        const int caret =
            line ? line->cursorPosition() : static_cast<MultiLineBox *>(box)->textCursor().position();
        QCOMPARE(caret, from + std::max(0, inserted));
        QMetaObject::invokeMethod(box, "undo");
        QCOMPARE(text(box), start);
        QMetaObject::invokeMethod(box, "redo");
        QCOMPARE(text(box), expected);
        const CaveRecord r = f->cave->record();
        if (name.startsWith("chamber"))
            QCOMPARE(Text8::toBoxText(name == "chamber name" ? r.Name : r.Description), expected);
    }

    void onlyCodePage1250_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("left"); // what the box's tooltip names as left out
        const QString held = QStringLiteral("Příliš žluťoučký kůň ľ§×\u00A0");
        // Typed one by one, the last key left out is the one named.
        const char *const ways[][4] = {{"typed", "Жук Hélène", " Hélne", "è"},
                                       {"pasted", "Hélène😀", "Hélne", "è 😀"},
                                       {"menu paste", "Hélène😀", "Hélne", "è 😀"},
                                       {"dropped", "aЖb", "ab", "Ж"},
                                       {"input method", "Жук€", "€", "Ж у к"}};
        for (const char *box : {"chamber name", "chamber description", "set name", "set author", "set e-mail",
                                "set description", "set congratulation"}) {
            for (const auto &r : ways)
                addRow(QByteArray(box) + ": " + r[0], box, r[0], r[1], r[2], r[3]);
            addRow(QByteArray(box) + ": Czech and Slovak pass", box, "pasted", held, held, "");
        }
        // Rich text comes in as the text it shows, by any way in.
        const char *const rich[][4] = {{"Markdown pasted", "Жук **bold** 中", " bold ", "Ж у к 中"},
                                       {"HTML pasted", "<b>Crème</b> brûlée", "Crme brlée", "è û"},
                                       {"HTML dropped", "<i>Жук</i> ok", " ok", "Ж у к"}};
        for (const char *box : {"chamber description", "set description", "set congratulation"})
            for (const auto &r : rich)
                addRow(QByteArray(box) + ": " + r[0], box, r[0], r[1], r[2], r[3]);
        addRow("allowed chambers: typed", "allowed chambers", "typed", "1Ж2", "12", "Ж");
        addRow("allowed chambers: pasted", "allowed chambers", "pasted", "3Ж,4", "03;4", "Ж");
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
        QWidget *box = f->textBox(name);
        auto *multi = qobject_cast<MultiLineBox *>(box);
        setText(box, {}, 0, 0);
        box->setFocus();
        putIn(box, way, input);
        QCOMPARE(text(box), expected);
        QCOMPARE(QToolTip::text(), left.isEmpty()
                                       ? QString()
                                       : "Znaky, které soubor sady neumí uložit, byly vynechány: " + left);
        if (name != "allowed chambers") { // its normaliser writes the box anew
            for (int i = 0; i < 3; ++i)
                QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
            QCOMPARE(text(box), QString());
            for (int i = 0; i < 3; ++i)
                QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
            QCOMPARE(text(box), expected);
        }

        const QString path = f->path("s.zb");
        QVERIFY(w->SaveCollection(path));
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
        QWidget *box = f->textBox(QStringLiteral("chamber name"));
        setText(box, QStringLiteral("abc"), 0, 3);
        box->setFocus();
        QGuiApplication::clipboard()->setText(QStringLiteral("Жук"));
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(text(box), QStringLiteral("abc"));
    }

    void loadStartsUndoAnew_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("keys");
        for (const char *box : {"set description", "chamber description"})
            addRow(box, box, "abc\b\b\b");
        addRow("chamber gems", "chamber gems", QString(u'\x01') + "12");
    }
    // A set loaded, or a chamber bound into its window, with the text a box already shows leaves
    // nothing of the earlier edits to undo: Ctrl+Z neither brings them back nor marks the set changed.
    void loadStartsUndoAnew()
    {
        QFETCH(QString, name);
        QFETCH(QString, keys);
        const bool set = name.startsWith("set");
        QWidget *box = f->textBox(name);
        const auto load = [&] {
            w->Changed = false;
            if (set) {
                SetFileData data = setOf(1);
                data.Description.clear();
                QVERIFY(writeFile(f->path("e.zb"), setFile(data)));
                QVERIFY(w->OpenCollection(f->path("e.zb")));
            } else
                f->cave->OpenCave(chamberString(f->cave->record()));
            w->Changed = false;
        };
        if (set)
            load();
        box->setFocus();
        type(box, keys);
        const QString shown = text(box);
        load();
        QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(text(box), shown);
        QVERIFY(!w->Changed);
    }

    void typedBytes_data()
    {
        QTest::addColumn<QString>("name");
        for (const char *box : {"chamber description", "set description", "set congratulation"})
            QTest::newRow(box) << box;
    }
    // Shift+Enter and the no-break space are kept as the file writes them; the same text written
    // again raises no change.
    void typedBytes()
    {
        QFETCH(QString, name);
        auto *box = static_cast<MultiLineBox *>(f->textBox(name));
        box->SetText({});
        box->setFocus();
        type(box, QStringLiteral("a\rb\u00A0c\nd"));
        QCOMPARE(box->Bytes(), QByteArray("a\r\nb\xA0"
                                          "c\r\nd"));
        if (box == f->cave->txtDesc)
            QCOMPARE(f->cave->record().Description, box->Bytes());

        box->SetText(QStringLiteral("a\nb"));
        w->Changed = false;
        QSignalSpy changes(box, &QPlainTextEdit::textChanged);
        box->SetText(QStringLiteral("a\nb"));
        QCOMPARE(changes.size(), 0);
        QVERIFY(!w->Changed);
        box->SetText(QStringLiteral("a\nc"));
        QCOMPARE(changes.size(), 1);
    }

    // Prose wraps at its blanks, also after a run without a place to break came and went,
    // put in by a load or by a paste over it.
    void proseWrapsAtBlanks_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("paste");
        for (const char *box : {"set description", "set congratulation"})
            for (const bool paste : {false, true})
                QTest::addRow("%s, %s", box, paste ? "pasted" : "loaded") << box << paste;
    }
    void proseWrapsAtBlanks()
    {
        QFETCH(QString, name);
        QFETCH(bool, paste);
        auto *box = static_cast<MultiLineBox *>(f->textBox(name));
        box->SetText(QString(3000, u'x'));
        const QString prose =
            QStringLiteral("Sbírej drahokamy, vyhni se kamenům a najdi cestu ven. ").repeated(4);
        if (paste) {
            box->setFocus();
            box->selectAll();
            QGuiApplication::clipboard()->setText(prose);
            QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        } else {
            box->SetText(prose);
        }
        QCOMPARE(box->Text(), prose);
        const QTextLayout *lines = box->document()->firstBlock().layout();
        QVERIFY(lines->lineCount() > 3);
        for (int i = 1; i < lines->lineCount(); ++i)
            QCOMPARE(prose.at(lines->lineAt(i).textStart() - 1), u' ');
    }
};

QTEST_MAIN(TestTextBoxes)
#include "tst_textboxes.moc"
