#include "editor/frmcave.h"
#include "editor/frmsize.h"
#include "shell/frmcol.h"
#include "shell/frmmain.h"
#include "support/mainwindow.h"
#include "support/mouse.h"
#include "toolkit/imagebox.h"
#include "toolkit/vblabel.h"
#include "toolkit/vbtimer.h"

#include <QtTest>

namespace {

// Where a release lands, from the rectangle where the button shows.
struct Place
{
    const char *name;
    QPoint (*at)(QRect);
    bool clicks;
};
const Place Places[] = {
    {"top left corner", [](QRect r) { return r.topLeft(); }, true},
    {"bottom right corner", [](QRect r) { return r.bottomRight(); }, true},
    {"1 above", [](QRect r) { return QPoint(r.center().x(), r.top() - 1); }, false},
    {"1 below", [](QRect r) { return QPoint(r.center().x(), r.bottom() + 1); }, false},
    {"1 left", [](QRect r) { return QPoint(r.left() - 1, r.center().y()); }, false},
    {"1 right", [](QRect r) { return QPoint(r.right() + 1, r.center().y()); }, false},
    {"20 above", [](QRect r) { return QPoint(r.center().x(), r.top() - 20); }, false},
    {"10 right", [](QRect r) { return QPoint(r.right() + 10, r.center().y()); }, false},
    {"28 below", [](QRect r) { return QPoint(r.center().x(), r.bottom() + 28); }, false},
};

} // namespace

// A button clicks on a press on any of its parts and a release over it as the
// user sees it, however far the press moved the part it landed on.
class TestButtonClicks : public QObject, FreshWindow<>
{
    Q_OBJECT

    frmCol *col = nullptr;

    // A button: the parts a press can land on and where it shows, a rectangle
    // in the coordinates of a container.
    struct Button
    {
        QWidget *face = nullptr;
        QWidget *caption = nullptr;
        QWidget *container = nullptr;
        QRect shown;
    };

    Button find(const QString &name) const
    {
        const QStringList set{QStringLiteral("Editovat"), QStringLiteral("Přidat"), QStringLiteral("Smazat"),
                              QStringLiteral("Nahoru"), QStringLiteral("Dolu")};
        if (const auto i = set.indexOf(name); i >= 0)
            return {col->imgBCave[i], col->lblCave[i], col->picArrow[i], {0, 0, 96, 20}};
        if (name == QStringLiteral("roll"))
            return {col->Image1, nullptr, col->Picture1[0], {0, 0, 48, 20}};
        if (name == QStringLiteral("Sada komnat"))
            return {f->image("imgList"), f->control("Label2"), f->control("Picture2"), {4, 0, 139, 28}};
        if (name == QStringLiteral("cat arrow"))
            return {f->image("imgSDog(3)"), nullptr, f->control("Picture7(3)"), {30, 0, 17, 28}};
        ImageBox *tool = f->image(QStringLiteral("imgTool(%1)").arg(name.right(1)));
        return {tool, nullptr, f->control("Picture5"), {tool->x(), 0, 28, 28}};
    }

    // What the user sees: the list, the open chamber windows, the set window,
    // its sheet once rolled, the chosen tool, the message boxes.
    QString seen() const
    {
        for (int ticks = 0; w->tmrRoll->Enabled() && ticks < 50; ++ticks)
            w->tmrRoll_Timer();
        QStringList open;
        for (frmCave *c : w->BoundCaves())
            if (c->Visible())
                open << c->CaveName;
        return QStringLiteral("%1 | row %2 | open %3 | set %4 | sheet %5 | tool %6 | messages %7")
            .arg(rowNames(*w).join(','))
            .arg(col->Selected)
            .arg(open.join(','))
            .arg(col->isVisible())
            .arg(col->Picture2->height())
            .arg(w->Nastroj)
            .arg(user->messages.size());
    }

private slots:
    void init()
    {
        start();
        QVERIFY(writeFile(f->path("three.zb"), setFile(3)));
        f->openSet("three.zb");
        col = w->SetWindow();
        col->lblCName_Click(2);
    }
    void cleanup() { reset(); }

    void releaseOverTheButton_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("onCaption");
        QTest::addColumn<int>("place");
        const QStringList captioned{"Editovat", "Přidat", "Smazat", "Nahoru", "Dolu", "Sada komnat"};
        const QStringList bare{"roll", "tool 0", "tool 1", "tool 2", "tool 3", "tool 4", "cat arrow"};
        for (const QString &name : captioned + bare)
            for (bool onCaption : {false, true}) {
                if (onCaption && bare.contains(name))
                    continue;
                for (int place = 0; place < int(std::size(Places)); ++place)
                    QTest::addRow("%s, %s, %s", qPrintable(name), onCaption ? "caption" : "face",
                                  Places[place].name)
                        << name << onCaption << place;
            }
    }

    void releaseOverTheButton()
    {
        QFETCH(QString, name);
        QFETCH(bool, onCaption);
        QFETCH(int, place);
        // Each button is judged by something it changes.
        if (name.startsWith("tool"))
            w->imgTool_Click((name.right(1).toInt() + 1) % ToolCount);
        if (name == "Sada komnat")
            col->hide();
        if (name == "cat arrow")
            QTest::mouseClick(f->control("Label6"), Qt::LeftButton); // "Tvorové" rolls open
        if (name == "Přidat")
            f->whenSizeDialogShows([](frmSize *dialog) { dialog->close(); });
        const QString before = seen();

        const Button b = find(name);
        const QRect shown(b.container->mapToGlobal(b.shown.topLeft()), b.shown.size());
        // The face where the caption does not cover it.
        QWidget *part = onCaption ? b.caption : b.face;
        const QPoint pressAt = onCaption ? b.caption->mapToGlobal(b.caption->rect().center())
                                         : shown.topLeft() + QPoint(2, shown.height() - 2);
        QCOMPARE(w->childAt(w->mapFromGlobal(pressAt)), part);
        pointerDrag(w, pressAt, Places[place].at(shown));
        QCOMPARE(seen() != before, Places[place].clicks);
    }

    // A palette group's caption and arrow are one button: its header's row.
    void groupHeaderIsOneButton_data()
    {
        QTest::addColumn<QString>("pressOn");
        QTest::addColumn<QString>("releaseOn");
        QTest::addColumn<bool>("rolls");
        addRow("caption to arrow", "Label4", "Image3", true);
        addRow("arrow to caption", "Image3", "Label4", true);
        addRow("caption to below the header", "Label4", "Picture9", false);
    }
    void groupHeaderIsOneButton()
    {
        QFETCH(QString, pressOn);
        QFETCH(QString, releaseOn);
        QFETCH(bool, rolls);
        QWidget *from = f->control(pressOn), *to = f->control(releaseOn);
        // Below the shut group's header, out of its 17 rows.
        const QPoint at = to->objectName() == "Picture9" ? QPoint(30, 17) : to->rect().center();
        QVERIFY(!w->tmrRoll->Enabled());
        pointerDrag(w, from->mapToGlobal(from->rect().center()), to->mapToGlobal(at));
        QCOMPARE(w->tmrRoll->Enabled(), rolls);
    }
};

QTEST_MAIN(TestButtonClicks)
#include "tst_buttonclicks.moc"
