#include "support/mainwindow.h"
#include "support/mouse.h"
#include "toolkit/application.h"
#include "toolkit/imagebox.h"
#include "toolkit/msgbox.h"
#include "toolkit/vbevents.h"
#include "toolkit/vblabel.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QTranslator>
#include <QVBoxLayout>
#include <QtTest>

namespace {

// A child window with a box to type into, recording the keys it previews.
class Form : public HidingForm
{
public:
    explicit Form(QMdiArea *area) : HidingForm(area), edit(new QLineEdit(this))
    {
        (new QVBoxLayout(this))->addWidget(edit);
    }
    QLineEdit *edit;
    QList<int> keys;

protected:
    void Form_KeyDown(int KeyCode, int Shift) override { keys << KeyCode << Shift; }
};

struct Events
{
    enum Kind { Down, Move, Up, Click };
    QList<QList<int>> seen; // kind, button, x, y
    explicit Events(VbControl *c)
    {
        const auto record = [this](Kind k) {
            return [this, k](int b, int, QPointF p) { seen.append({k, b, int(p.x()), int(p.y())}); };
        };
        QObject::connect(c, &VbControl::mouseDown, record(Down));
        QObject::connect(c, &VbControl::mouseMove, record(Move));
        QObject::connect(c, &VbControl::mouseUp, record(Up));
        QObject::connect(c, &VbControl::clicked, [this] { seen.append({Click, 0, 0, 0}); });
    }
};

} // namespace

class TestToolkit : public QObject
{
    Q_OBJECT
private slots:
    // A child window appears only when shown, and closing it only hides it, but for its frame's closing.
    void childShowsAndCloses()
    {
        QMdiArea frame;
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        QPointer<Form> form = new Form(&frame);
        QVERIFY(!form->isVisible());
        QVERIFY(!form->subWindow()->isVisible());
        form->show();
        QVERIFY(form->isVisible());
        QVERIFY(form->subWindow()->isVisible());
        // A caption is shown as written, "[*]" too, which Qt takes for its mark of unsaved changes.
        QMdiSubWindow *sub = form->subWindow();
        const QRect bar(0, 0, sub->width(), sub->style()->pixelMetric(QStyle::PM_TitleBarHeight));
        form->setCaption(QStringLiteral("AB"));
        const QImage plain = sub->grab(bar).toImage();
        form->setCaption(QStringLiteral("A[*]B"));
        QCOMPARE(form->Caption(), QStringLiteral("A[*]B"));
        QVERIFY(sub->grab(bar).toImage() != plain);
        form->hide();
        QVERIFY(!form->subWindow()->isVisible());
        form->setCaption(QStringLiteral("Sada komnat"));
        QCOMPARE(form->subWindow()->windowTitle(), QStringLiteral("Sada komnat"));
        form->show();
        form->subWindow()->close();
        QVERIFY(!form->isVisible());
        form->show();
        form->Unload();
        QCOMPARE(form->origins, (QList<int>{Vb::CloseFromControlBox, Vb::CloseFromProgram}));
        // Hidden, not destroyed: it shows again.
        QVERIFY(form);
        QVERIFY(!form->isVisible());
        form->show();
        QVERIFY(form->isVisible());

        // Keys reach the window first only with KeyPreview.
        form->SetFocus();
        form->edit->setFocus();
        QApplication::setActiveWindow(&frame);
        QTest::keyClick(form->edit, Qt::Key_A);
        QVERIFY(form->keys.isEmpty());
        QCOMPARE(form->edit->text(), QStringLiteral("a"));
        form->KeyPreview = true;
        QTest::keyClick(form->edit, Qt::Key_B, Qt::ShiftModifier);
        QTest::keyClick(form->edit, Qt::Key_F4);
        QTest::keyClick(form->edit, Qt::Key_Return);
        // Seen once each, and the control still gets the key. Shift's own press is a key too.
        QCOMPARE(form->keys, (QList<int>{Vb::KeyShift, Vb::ShiftMask, 'B', Vb::ShiftMask, Vb::KeyF4, 0,
                                         Vb::KeyReturn, 0}));
        QCOMPARE(form->edit->text(), QStringLiteral("ab"));

        QVERIFY(Vb::CloseChildren(&frame));
        QCOMPARE(form->origins.last(), int(Vb::CloseFromFrame));
        QVERIFY(form);
    }

    void mouseButtonsAndMoves()
    {
        QWidget top;
        top.resize(300, 200);
        auto *label = new VbLabel(QStringLiteral("Sada"), &top);
        label->Move(10, 10, 100, 20);
        auto *a = new ImageBox(&top);
        auto *b = new ImageBox(&top);
        a->Move(0, 100, 50, 50);
        b->Move(100, 100, 50, 50);
        top.show();
        QVERIFY(QTest::qWaitForWindowExposed(&top));
        Events ev(label);
        int doubles = 0;
        connect(label, &VbControl::doubleClicked, [&doubles] { ++doubles; });
        QTest::mousePress(label, Qt::RightButton, {}, QPoint(5, 6));
        Mouse{label, Qt::RightButton | Qt::MiddleButton}.move(QPoint(7, 8));
        QTest::mouseRelease(label, Qt::RightButton, {}, QPoint(7, 8));
        QTest::mouseClick(label, Qt::MiddleButton, {}, QPoint(1, 1));
        QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(2, 2));
        const int L = Vb::LeftButton, R = Vb::RightButton, M = Vb::MiddleButton;
        QCOMPARE(ev.seen, (QList<QList<int>>{{Events::Down, R, 5, 6},
                                             {Events::Move, R | M, 7, 8},
                                             {Events::Up, R, 7, 8},
                                             {Events::Down, M, 1, 1},
                                             {Events::Up, M, 1, 1},
                                             {Events::Down, L, 2, 2},
                                             {Events::Up, L, 2, 2},
                                             {Events::Click, 0, 0, 0}}));
        QCOMPARE(doubles, 0);
        // A double click: one press each, one click for the pair, then the double click.
        ev.seen.clear();
        QTest::mouseDClick(top.windowHandle(), Qt::LeftButton, {}, QPoint(15, 15));
        const QList<int> down = {Events::Down, L, 5, 5}, up = {Events::Up, L, 5, 5};
        QCOMPARE(ev.seen, (QList<QList<int>>{down, up, {Events::Click, 0, 0, 0}, down, up}));
        QCOMPARE(doubles, 1);

        // Moves through the window, as the platform delivers them, go to the pressed control.
        Events ea(a), eb(b);
        QWindow *win = top.windowHandle();
        QTest::mousePress(win, Qt::LeftButton, {}, QPoint(10, 110));
        QTest::mouseMove(win, QPoint(110, 110));
        QTest::mouseRelease(win, Qt::LeftButton, {}, QPoint(110, 110));
        // Everything went to the pressed control, in its own coordinates; a
        // release away from it is no click.
        QVERIFY(eb.seen.isEmpty());
        QCOMPARE(ea.seen.first(), (QList<int>{Events::Down, Vb::LeftButton, 10, 10}));
        QCOMPARE(ea.seen.last(), (QList<int>{Events::Up, Vb::LeftButton, 110, 10}));
        QVERIFY(std::none_of(ea.seen.begin(), ea.seen.end(),
                             [](const QList<int> &e) { return e[0] == Events::Click; }));
    }

    void fractionalGeometry()
    {
        QWidget top;
        auto *box = new ImageBox(&top);
        box->Move(0, 100, 71, 17);
        box->setHeight(19.25f);
        QCOMPARE(box->Height(), 19.25f);
        QCOMPARE(box->height(), 19);
        box->setHeight(box->Height() * 1.75f);
        QCOMPARE(box->Height(), 33.6875f);
        QCOMPARE(box->height(), 34);
        // Edges round on their own, so neighbours meet in pixels as in fractions.
        box->setTop(0.5f);
        box->setHeight(1.0f);
        QCOMPARE(box->geometry().top(), 1);
        QCOMPARE(box->height(), 1);
        // Placing the widget directly is read back.
        box->move(3, 4);
        QCOMPARE(box->Left(), 3.0f);
        QCOMPARE(box->Top(), 4.0f);
        QCOMPARE(box->Height(), 1.0f);
        box->setTop(-28);
        QCOMPARE(box->y(), -28);
    }

    // The real menu, clicked as a user would.
    void popupHandlerRunsBeforeReturn()
    {
        QMenu menu;
        QAction *first = menu.addAction(QStringLiteral("Doleva"));
        QAction *second = menu.addAction(QStringLiteral("Dolu"));
        QString ran;
        QObject::connect(second, &QAction::triggered, [&] { ran = QStringLiteral("Dolu"); });
        QPoint openedAt;
        QAction *offeredDefault = nullptr;
        QTimer::singleShot(0, [&] {
            auto *shown = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            if (!shown)
                return;
            openedAt = shown->pos();
            offeredDefault = shown->defaultAction();
            QTest::mouseClick(shown, Qt::LeftButton, {}, shown->actionGeometry(second).center());
        });
        QAction *chosen = Vb::PopupMenu(&menu, QPoint(10, 20), first);
        QCOMPARE(chosen, second);
        QCOMPARE(ran, QStringLiteral("Dolu"));
        QCOMPARE(offeredDefault, first);
        QCOMPARE(openedAt, QPoint(10, 20));
        QCOMPARE(Vb::lastPopupPosition(), QPoint(10, 20));
    }

    void qtTextsInCzech()
    {
        Vb::prepareApplication();
        QDialogButtonBox box(QDialogButtonBox::Save | QDialogButtonBox::Cancel);
        QCOMPARE(box.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Zrušit"));
        QVERIFY(QCoreApplication::translate("QFileDialog", "%1 already exists.\nDo you want to replace it?")
                    .endsWith(QStringLiteral("nahradit?")));
        delete qApp->findChild<QTranslator *>();
    }

    void messageBoxKeys_data()
    {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("answer");
        QTest::newRow("Alt+A") << int(Vb::MsgYesNoCancel) << int(Qt::Key_A) << int(Qt::AltModifier)
                               << int(Vb::MsgYes);
        QTest::newRow("Alt+N") << int(Vb::MsgYesNoCancel) << int(Qt::Key_N) << int(Qt::AltModifier)
                               << int(Vb::MsgNo);
        QTest::newRow("Esc") << int(Vb::MsgYesNoCancel) << int(Qt::Key_Escape) << 0 << int(Vb::MsgCancel);
        QTest::newRow("Esc, OK only") << int(Vb::MsgOkOnly) << int(Qt::Key_Escape) << 0 << int(Vb::MsgOk);
    }

    // The real box, answered from the keyboard. It is wide enough to show its title whole, and shows its
    // text as written: tags kept (a set's name may hold them), the CR LF break a second line.
    void messageBoxKeys()
    {
        QFETCH(int, buttons);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        const QString title = QStringLiteral("Program kočky");
        QStringList texts;
        QString shown;
        int width = 0, titleRoom = 0, height = 0, lineSpacing = 0;
        QTimer::singleShot(0, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            for (QAbstractButton *b : box->buttons())
                texts << b->text();
            auto *label = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
            QVERIFY(label);
            // What the label lays out: rich text would drop the tags and the break.
            shown = label->textFormat() == Qt::PlainText ? label->text() : QString();
            height = label->sizeHint().height();
            lineSpacing = label->fontMetrics().lineSpacing();
            QFont bold = box->font();
            bold.setBold(true);
            const QFontMetrics fm(bold);
            titleRoom = fm.horizontalAdvance(title) + 4 * fm.height();
            width = box->width();
            QApplication::setActiveWindow(box);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
            // An access key presses its button as a click shown on screen, a moment later.
            if (!QTest::qWaitFor([box] { return !box->isVisible(); }, 2000))
                box->done(0); // no button answered
        });
        const Vb::MsgResult answer =
            Vb::MsgBox(QStringLiteral("<b>\r\nMňau!"), Vb::MsgButtons(buttons), Vb::MsgQuestion, title);
        QTEST(int(answer), "answer");
        texts.sort();
        const QStringList labels =
            buttons == Vb::MsgYesNoCancel ? QStringList{"Ano", "Ne", "Storno"} : QStringList{"OK"};
        QCOMPARE(texts, labels);
        QVERIFY2(width >= titleRoom, qPrintable(QStringLiteral("%1 < %2").arg(width).arg(titleRoom)));
        QCOMPARE(shown, QStringLiteral("<b>\nMňau!"));
        QVERIFY2(height >= 2 * lineSpacing,
                 qPrintable(QStringLiteral("%1 < 2 x %2").arg(height).arg(lineSpacing)));
    }
};

QTEST_MAIN(TestToolkit)

#include "tst_toolkit.moc"
