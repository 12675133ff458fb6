// The main window: its frame, tool bar, object bar and palette as built, its menus, start-up and closing.
#include "shell/frmmain.h"

#include "common/cellchars.h"
#include "common/tools.h"
#include "rules/palettelayout.h"
#include "rules/rollsteps.h"
#include "shell/frmcol.h"
#include "toolkit/application.h"
#include "toolkit/msgbox.h"
#include "toolkit/vbevents.h"
#include "toolkit/vbform.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>

#include <cmath>
#include <functional>
#include <tuple>

namespace {

constexpr QColor BarColor = Vb::Color(0x0000509F);
constexpr QColor WellColor = Vb::Color(0x00003060);
constexpr QColor FrameColor = Vb::Color(0x000080FF);
constexpr QColor White = Vb::Color(0x00FFFFFF);
constexpr int ToolBarHeight = 57;
constexpr int BarWidthTwips = 1500;
constexpr int ObjWidth = 100;

// Tool buttons' left edges by tool number: on screen 0, 1, 3, 4, 2.
constexpr std::array<int, ToolCount> ToolLeft = {0, 32, 128, 64, 96};
const std::array<const char *, ToolCount> ToolTips = {"Tužka", "Čára", "Klonující tužka", "Obdélník",
                                                      "Výplň"};
const std::array<const char *, 4> GroupCaptions = {"Základní", "Zdi", "Tvorové", "Klíče"};
const std::array<const char *, 4> GroupNames = {"Picture8", "Picture9", "Picture10", "Picture11"};
const std::array<const char *, 4> LabelNames = {"Label1", "Label4", "Label6", "Label8"};
const std::array<const char *, 4> ArrowNames = {"Image1", "Image3", "Image2", "Image4"};
const std::array<const char *, 4> FrameNames = {"Shape3", "Shape4", "Shape5", "Shape6"};

QString indexed(const char *name, int i)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(i);
}

// A menu takes "&" for the mark of an access key and a tab for the start of the shortcut
// column; an entry naming a window shows its caption as written.
QString asWritten(QString caption)
{
    caption.replace(u'&', QStringLiteral("&&"));
    caption.replace(u'\t', u' ');
    return caption;
}

// The frame's client area: the tool bar along the top, the object bar along
// the left and the child windows in what they leave free.
class ClientArea : public QWidget
{
public:
    explicit ClientArea(std::function<void()> relayout, QWidget *parent)
        : QWidget(parent), m_relayout(std::move(relayout))
    {
    }

protected:
    void resizeEvent(QResizeEvent *) override { m_relayout(); }

private:
    std::function<void()> m_relayout;
};

} // namespace

frmMain::frmMain(QWidget *parent) : QMainWindow(parent)
{
    setWindowTitle(Vb::ProgramName);
    setWindowIcon(QIcon(Picture(QStringLiteral("appicon")).pixmap(32, 32)));
    tmrRoll = new VbTimer(this);
    tmrRoll->setInterval(50);
    connect(tmrRoll, &QTimer::timeout, this, &frmMain::tmrRoll_Timer);
    buildFrame();
    buildToolBar();
    buildObjectBar();
    buildPalette();
    buildMenus();
    // The frame opens maximised; un-maximised it keeps most of the screen, centred.
    if (const QScreen *s = screen()) {
        const QRect room = s->availableGeometry();
        setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, room.size() * 3 / 4, room));
    }
    MDIForm_Load();
}

frmMain::~frmMain() = default;

void frmMain::buildFrame()
{
    m_client = new ClientArea([this] { layoutClient(); }, this);
    setCentralWidget(m_client);
    m_mdi = new QMdiArea(m_client);
    m_mdi->setBackground(WellColor);
    m_mdi->setObjectName(QStringLiteral("MDIClient"));

    picTools = new PictureBox(m_client);
    picTools->setObjectName(QStringLiteral("picTools"));
    picTools->setBackColor(BarColor);
    picTools->Move(0, 0, 800, ToolBarHeight);

    Picture1 = new PictureBox(m_client);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setBackColor(BarColor);
    Picture1->Move(0, ToolBarHeight, ObjWidth, 600);
}

void frmMain::layoutClient()
{
    const float w = static_cast<float>(m_client->width());
    const float h = static_cast<float>(m_client->height());
    picTools->Move(0, 0, w, ToolBarHeight);
    Picture1->Move(0, ToolBarHeight, Picture1->Width(), h - ToolBarHeight);
    const int barRight = Picture1->geometry().right() + 1;
    m_mdi->setGeometry(barRight, ToolBarHeight, std::max(0, m_client->width() - barRight),
                       std::max(0, m_client->height() - ToolBarHeight));
}

void frmMain::buildToolBar()
{
    for (int i : {2, 1, 3}) {
        imgG[i] = new ImageBox(picTools);
        imgG[i]->setObjectName(QStringLiteral("imgG%1").arg(i));
        imgG[i]->setPicture(Picture(QStringLiteral("g%1").arg(i)));
    }
    imgG[2]->Move(0, 0, 800, 10);
    imgG[1]->Move(0, ToolBarHeight - 15, 800, 15);
    imgG[3]->Move(0, ToolBarHeight - 15, 800, 15);
    imgG[3]->hide();

    Picture2 = new PictureBox(picTools);
    Picture2->setObjectName(QStringLiteral("Picture2"));
    Picture2->setBackColor(BarColor);
    Picture2->Move(2, 12, 592, 28);

    imgList = new ImageBox(Picture2);
    imgList->setObjectName(QStringLiteral("imgList"));
    imgList->setPicture(Picture(QStringLiteral("setbutton")));
    imgList->Move(4, 0, 139, 56);
    Label2 = new VbLabel(QStringLiteral("Sada komnat"), Picture2);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setForeColor(White);
    Label2->setAlignment(Qt::AlignCenter);
    Label2->setFont(Vb::Arial(12, true));
    Label2->Move(9, 3, 124, 18);
    Label2->setClickArea(imgList); // a press shifts the caption; a release anywhere on the face still clicks
    connect(imgList, &VbControl::mouseDown, this,
            [this](int b, int s, QPointF p) { imgList_MouseDown(b, s, float(p.x()), float(p.y())); });
    connect(imgList, &VbControl::mouseUp, this,
            [this](int b, int s, QPointF p) { imgList_MouseUp(b, s, float(p.x()), float(p.y())); });
    connect(imgList, &VbControl::clicked, this, [this] { imgList_Click(); });
    connect(Label2, &VbControl::mouseDown, this,
            [this](int b, int s, QPointF p) { Label2_MouseDown(b, s, float(p.x()), float(p.y())); });
    connect(Label2, &VbControl::mouseUp, this,
            [this](int b, int s, QPointF p) { Label2_MouseUp(b, s, float(p.x()), float(p.y())); });
    connect(Label2, &VbControl::clicked, this, [this] { Label2_Click(); });

    Picture5 = new PictureBox(Picture2);
    Picture5->setObjectName(QStringLiteral("Picture5"));
    Picture5->setBackColor(BarColor);
    Picture5->Move(151, 0, 173, 28);
    for (int i = 0; i < ToolCount; ++i) {
        imgTool[i] = new ImageBox(Picture5);
        imgTool[i]->setObjectName(indexed("imgTool", i));
        imgTool[i]->setPicture(Picture(QStringLiteral("tool%1").arg(i)));
        imgTool[i]->setToolTip(QString::fromUtf8(ToolTips[i]));
        imgTool[i]->Move(static_cast<float>(ToolLeft[i]), 0, 28, 56);
        connect(imgTool[i], &VbControl::clicked, this, [this, i] { imgTool_Click(i); });
    }

    // The hidden stores of the tool bar: the clone source, the hero variants
    // and the group arrows.
    picSel[CloneBuffer] = new ImageBox(picTools);
    picSel[CloneBuffer]->setObjectName(indexed("picSel", CloneBuffer));
    picSel[CloneBuffer]->hide();
    for (int v = 1; v <= 9; ++v)
        imgZor[v] = Picture(QStringLiteral("hero%1").arg(v));
    imgA1 = Picture(QStringLiteral("grp_collapsed"));
    imgA2 = Picture(QStringLiteral("grp_expanded"));
}

void frmMain::buildObjectBar()
{
    picObj = new PictureBox(Picture1);
    picObj->setObjectName(QStringLiteral("picObj"));
    picObj->setBackColor(BarColor);
    picObj->Move(0, 0, ObjWidth, 600);

    for (int i : {4, 5, 6, 7, 8, 9}) {
        imgG[i] = new ImageBox(picObj);
        imgG[i]->setObjectName(QStringLiteral("imgG%1").arg(i));
        imgG[i]->setPicture(Picture(QStringLiteral("g%1").arg(i)));
    }
    imgG[4]->Move(0, 0, ObjWidth - 15, 15);
    imgG[7]->Move(0, 0, ObjWidth - 15, 15);
    imgG[5]->Move(ObjWidth - 15, 0, 15, 15);
    imgG[8]->Move(ObjWidth - 15, 0, 15, 15);
    imgG[6]->Move(ObjWidth - 15, 15, 15, 600);
    imgG[9]->Move(ObjWidth - 15, 15, 15, 600);
    for (int i : {7, 8, 9})
        imgG[i]->hide();

    // The left button's well lies over the right button's.
    Picture6 = new PictureBox(picObj);
    Picture4 = new PictureBox(picObj);
    Picture4->setObjectName(QStringLiteral("Picture4"));
    Picture6->setObjectName(QStringLiteral("Picture6"));
    for (auto [well, x, y] : {std::tuple{Picture4, 7, 22}, std::tuple{Picture6, 30, 45}}) {
        well->setBackColor(WellColor);
        well->setPicture(Picture(QStringLiteral("well")));
        well->Move(float(x), float(y), 48, 48);
    }
    Shape1 = new VbShape(Picture4);
    Shape2 = new VbShape(Picture6);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape2->setObjectName(QStringLiteral("Shape2"));
    for (int b : {Vb::LeftButton, Vb::RightButton}) {
        PictureBox *well = b == Vb::LeftButton ? Picture4 : Picture6;
        VbShape *frame = b == Vb::LeftButton ? Shape1 : Shape2;
        picSel[b] = new ImageBox(well);
        picSel[b]->setObjectName(indexed("picSel", b));
        picSel[b]->Move(4, 4, 40, 40);
        frame->setBorderColor(FrameColor);
        frame->Move(0, 1, 46, 46);
        frame->raise();
    }

    Image5 = new ImageBox(picObj);
    Image5->setObjectName(QStringLiteral("Image5"));
    Image5->setPicture(Picture(QStringLiteral("swap")));
    Image5->Move(9, 73, 18, 18);
    connect(Image5, &VbControl::clicked, this, [this] { Image5_Click(); });
}

void frmMain::buildPalette()
{
    using namespace PaletteLayout;
    for (int g = 0; g < 4; ++g) {
        auto *box = new PictureBox(picObj);
        box->setObjectName(QLatin1String(GroupNames[g]));
        box->setBackColor(BarColor);
        box->Move(7, Roll::GroupTop, 71, Roll::GroupExpanded[g]);
        m_group[g] = box;

        auto *frame = new VbShape(box);
        frame->setObjectName(QLatin1String(FrameNames[g]));
        frame->setBorderColor(FrameColor);
        frame->Move(0, 0, 71, Roll::GroupExpanded[g]);
        m_groupFrame[g] = frame;

        auto *label = new VbLabel(QString::fromUtf8(GroupCaptions[g]), box);
        label->setObjectName(QLatin1String(LabelNames[g]));
        label->setForeColor(White);
        label->setAlignment(Qt::AlignCenter);
        label->setFont(Vb::Arial(8.25, false));
        label->Move(1, 1, 54, 14);
        m_groupLabel[g] = label;

        auto *arrow = new ImageBox(box);
        arrow->setObjectName(QLatin1String(ArrowNames[g]));
        arrow->setPicture(imgA1);
        arrow->Move(57, 3, 10, 9);
        m_groupArrow[g] = arrow;
        // The caption and the arrow are one button, the header's row: a press on either and a
        // release anywhere on the header is a click.
        const QRect header(0, 0, 71, static_cast<int>(Roll::GroupCollapsed));
        label->setClickArea(box, header);
        arrow->setClickArea(box, header);
    }
    connect(m_groupLabel[0], &VbControl::clicked, this, [this] { Label1_Click(); });
    connect(m_groupLabel[1], &VbControl::clicked, this, [this] { Label4_Click(); });
    connect(m_groupLabel[2], &VbControl::clicked, this, [this] { Label6_Click(); });
    connect(m_groupLabel[3], &VbControl::clicked, this, [this] { Label8_Click(); });
    connect(m_groupArrow[0], &VbControl::clicked, this, [this] { Image1_Click(); });
    connect(m_groupArrow[1], &VbControl::clicked, this, [this] { Image3_Click(); });
    connect(m_groupArrow[2], &VbControl::clicked, this, [this] { Image2_Click(); });
    connect(m_groupArrow[3], &VbControl::clicked, this, [this] { Image4_Click(); });

    for (int s = 0; s < 4; ++s) {
        auto *stack = new PictureBox(m_group[Creatures]);
        stack->setObjectName(indexed("Picture7", s));
        stack->setBackColor(BarColor);
        stack->Move(StackX, static_cast<float>(RowY(Stacks[s].row)), 47, EntrySize);
        Picture7[s] = stack;
    }

    for (int n = 0; n < ObjectCount; ++n) {
        const Place &place = Places[n];
        QWidget *parent = place.stack != NoStack   ? static_cast<QWidget *>(Picture7[place.stack])
                          : place.group != NoGroup ? static_cast<QWidget *>(m_group[place.group])
                                                   : static_cast<QWidget *>(picObj);
        auto *entry = new ImageBox(parent);
        entry->setObjectName(indexed("imgS", n));
        entry->Tag = QByteArray(1, PaletteObjects[n].cell);
        entry->setToolTip(QString::fromUtf8(PaletteObjects[n].name));
        if (n != HeroObject)
            entry->setPicture(Picture(QStringLiteral("obj%1").arg(n, 2, 10, QLatin1Char('0'))));
        if (place.stack != NoStack)
            entry->Move(0, 0, EntrySize, EntrySize);
        else if (place.group != NoGroup)
            entry->Move(static_cast<float>(ColumnX(place.column)), static_cast<float>(RowY(place.row)),
                        EntrySize, EntrySize);
        else
            entry->Move(0, 0, EntrySize, EntrySize);
        if (place.stack == NoStack && place.group == NoGroup)
            entry->hide(); // Biomasa: only its picture is used, for painting
        imgS[n] = entry;
        connect(entry, &VbControl::mouseDown, this,
                [this, n](int b, int s, QPointF p) { imgS_MouseDown(n, b, s, float(p.x()), float(p.y())); });
    }

    for (int s = 0; s < 4; ++s) {
        // The first entry listed lies on top.
        const auto &entries = Stacks[s].entries;
        for (auto it = entries.rbegin(); it != entries.rend(); ++it)
            if (*it >= 0)
                imgS[*it]->raise();
        auto *arrow = new ImageBox(Picture7[s]);
        arrow->setObjectName(indexed("imgSDog", s));
        arrow->Move(30, 0, 17, 56);
        if (s == HeroStack)
            arrow->setPicture(Picture(QStringLiteral("stackarrow")));
        else if (s == CatStack)
            arrow->setPicture(Picture(QStringLiteral("catarrow")));
        imgSDog[s] = arrow;
        connect(arrow, &VbControl::clicked, this, [this, s] { imgSDog_Click(s); });
    }
    for (int g = 0; g < 4; ++g) {
        m_groupFrame[g]->raise();
        m_groupLabel[g]->raise();
        m_groupArrow[g]->raise();
    }
}

void frmMain::buildMenus()
{
    QMenuBar *bar = menuBar();
    mnuFile = bar->addMenu(QStringLiteral("&Sada"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    auto item = [this](QMenu *menu, const QString &caption, const char *name, void (frmMain::*handler)()) {
        QAction *a = menu->addAction(caption);
        a->setObjectName(QLatin1String(name));
        connect(a, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
        return a;
    };
    item(mnuFile, QStringLiteral("&Nová"), "mnuNew", &frmMain::mnuNew_Click);
    item(mnuFile, QStringLiteral("&Otevřít"), "mnuOpen", &frmMain::mnuOpen_Click);
    item(mnuFile, QStringLiteral("&Uložit"), "mnuSave", &frmMain::mnuSave_Click);
    item(mnuFile, QStringLiteral("&Uložit jako..."), "mnuSaveAs", &frmMain::mnuSaveAs_Click);
    mnuFile->addSeparator()->setObjectName(QStringLiteral("mnuSep"));
    item(mnuFile, QStringLiteral("Konec"), "mnuEnd", &frmMain::mnuEnd_Click);

    mnuEdit = bar->addMenu(QStringLiteral("Úpr&avy"));
    mnuEdit->setObjectName(QStringLiteral("mnuEdit"));
    item(mnuEdit, QStringLiteral("Připojit sadu"), "mnuJoin", &frmMain::mnuJoin_Click);

    mnuWindows = bar->addMenu(QStringLiteral("&Okna"));
    mnuWindows->setObjectName(QStringLiteral("mnuWindows"));
    mnuTile = item(mnuWindows, QStringLiteral("Dlaždice"), "mnuTile", &frmMain::mnuTile_Click);
    connect(mnuWindows, &QMenu::aboutToShow, this, [this] { fillWindowsMenu(); });

    QAction *help = bar->addAction(QStringLiteral("Nápověda"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    connect(help, &QAction::triggered, this, [this] { mnuHelp_Click(); });

    // The pop-up menus never appear on the bar.
    mnuDog = new QMenu(QStringLiteral("Pes"), this);
    mnuDog->setObjectName(QStringLiteral("mnuDog"));
    for (int v = 1; v <= 9; ++v) {
        mnuH[v] = mnuDog->addAction(QStringLiteral("Zorbel &%1").arg(v));
        mnuH[v]->setObjectName(indexed("mnuH", v));
        connect(mnuH[v], &QAction::triggered, this, [this, v] { mnuH_Click(v); });
    }
    mnuInsect = new QMenu(QStringLiteral("Hmyz"), this);
    mnuInsect->setObjectName(QStringLiteral("mnuInsect"));
    const std::array<const char *, 5> directions = {"", "Doleva", "Nahoru", "Doprava", "Dolu"};
    for (int k = 1; k <= 4; ++k) {
        mnuI[k] = mnuInsect->addAction(QString::fromUtf8(directions[k]));
        mnuI[k]->setObjectName(indexed("mnuI", k));
        connect(mnuI[k], &QAction::triggered, this, [this, k] { mnuI_Click(k); });
    }
}

void frmMain::fillWindowsMenu()
{
    // Below "Dlaždice" the child windows on view, the active one in bold: the menus carry no check marks.
    const auto actions = mnuWindows->actions();
    for (QAction *a : actions)
        if (a != mnuTile) {
            mnuWindows->removeAction(a);
            a->deleteLater();
        }
    const auto windows = Vb::ChildrenInOrder(m_mdi);
    bool first = true;
    for (QMdiSubWindow *w : windows) {
        if (!w->isVisible())
            continue;
        if (first)
            mnuWindows->addSeparator();
        first = false;
        const auto *form = qobject_cast<const VbForm *>(w->widget());
        QAction *a = mnuWindows->addAction(asWritten(form ? form->Caption() : w->windowTitle()));
        if (w == m_mdi->activeSubWindow()) {
            QFont bold = a->font();
            bold.setBold(true);
            a->setFont(bold);
        }
        connect(a, &QAction::triggered, this, [this, w] {
            Vb::RestoreIfMinimised(w);
            m_mdi->setActiveSubWindow(w);
        });
    }
}

void frmMain::MDIForm_Load()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const float W = screen ? float(screen->geometry().width()) : 1024.0f;

    imgG[1]->setWidth(W);
    imgG[2]->setWidth(imgG[1]->Width());
    imgG[3]->setWidth(imgG[1]->Width());
    imgG[6]->setHeight(imgG[1]->Width());
    imgG[9]->setHeight(imgG[1]->Width());
    imgG[5]->setLeft(picObj->ScaleWidth() - 15);
    for (int i : {6, 8, 9})
        imgG[i]->setLeft(imgG[5]->Left());
    imgG[4]->setWidth(imgG[5]->Left());
    imgG[7]->setWidth(imgG[5]->Left());

    Shape1->setLeft(1);
    Shape2->setLeft(1);
    picObj->setHeight(imgG[1]->Width());
    imgG[1]->setTop(picTools->ScaleHeight() - imgG[1]->Height());
    imgG[3]->setTop(imgG[1]->Top());

    Picture1->setWidth(float(BarWidthTwips) / Roll::TwipsPerPixel);
    picObj->setLeft(Picture1->ScaleWidth() - picObj->Width());
    layoutClient();

    std::array<float, 4> tops{}, heights{};
    for (int g = 0; g < 4; ++g) {
        m_group[g]->setHeight(Roll::GroupCollapsed);
        m_groupFrame[g]->setHeight(m_group[g]->Height());
        m_groupArrow[g]->setPicture(imgA1);
        tops[g] = m_group[g]->Top();
        heights[g] = m_group[g]->Height();
    }
    Roll::Restack(tops, heights, 1);
    for (int g = 1; g < 4; ++g)
        m_group[g]->setTop(tops[g]);

    imgList->showPressed(false, ButtonFrame);
    Label2->Move(imgList->Left() + 5, 3);
    imgSDog[1]->setPicture(imgSDog[0]->picture());
    imgSDog[2]->setPicture(imgSDog[0]->picture());

    imgS_MouseDown(1, Vb::LeftButton, 0, 0, 0);
    imgS_MouseDown(0, Vb::RightButton, 0, 0, 0);
    imgTool_Click(ToolPencil);
    mnuH_Click(1);
    Dil = DefaultTileSize;
    AppPath = QCoreApplication::applicationDirPath();
    Changed = false;
    mnuNew_Click();
}

void frmMain::closeEvent(QCloseEvent *e)
{
    int cancel = 0;
    MDIForm_QueryUnload(cancel, Vb::CloseFromControlBox);
    if (cancel || !Vb::CloseChildren(m_mdi)) {
        e->ignore();
        return;
    }
    e->accept();
}

// ---- the "Sada komnat" button ----

void frmMain::imgList_MouseDown(int, int, float, float)
{
    imgList->showPressed(true, ButtonFrame);
    Label2->Move(imgList->Left() + 6, 4);
}

void frmMain::imgList_MouseUp(int, int, float, float)
{
    imgList->showPressed(false, ButtonFrame);
    Label2->Move(imgList->Left() + 5, 3);
}

void frmMain::imgList_Click()
{
    SetWindow()->show();
    Vb::RestoreIfMinimised(SetWindow()->subWindow());
    SetWindow()->setFocus();
}

void frmMain::Label2_MouseDown(int Button, int Shift, float X, float Y)
{
    imgList_MouseDown(Button, Shift, X, Y);
}

void frmMain::Label2_MouseUp(int Button, int Shift, float X, float Y)
{
    imgList_MouseUp(Button, Shift, X, Y);
}

void frmMain::Label2_Click()
{
    imgList_Click();
}

// ---- menus of the frame ----

void frmMain::mnuTile_Click()
{
    // Side by side in columns over the whole client area.
    QList<QMdiSubWindow *> shown;
    const auto windows = Vb::ChildrenInOrder(m_mdi);
    for (QMdiSubWindow *w : windows)
        if (w->isVisible() && !w->isMinimized())
            shown.append(w);
    if (shown.isEmpty())
        return;
    const QRect area = m_mdi->viewport()->rect();
    const int n = static_cast<int>(shown.size());
    for (int i = 0; i < n; ++i) {
        QMdiSubWindow *w = shown[i];
        if (w->isMaximized())
            w->showNormal();
        const int left = area.width() * i / n;
        const int right = area.width() * (i + 1) / n;
        w->setGeometry(left, 0, right - left, area.height());
    }
}

void frmMain::mnuHelp_Click()
{
    Vb::MsgBox(QStringLiteral("Editor komnat\r\nAutor: vývojáři editoru komnat"), Vb::MsgOkOnly,
               Vb::MsgInformation, QStringLiteral("Nápověda"), this);
}
