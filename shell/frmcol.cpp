#include "shell/frmcol.h"

#include "rules/collayout.h"
#include "rules/sheetroll.h"
#include "store/allowedtext.h"
#include "store/setfileio.h"
#include "toolkit/imagebox.h"
#include "toolkit/linebox.h"
#include "toolkit/multilinebox.h"
#include "toolkit/picturebox.h"
#include "toolkit/vbevents.h"
#include "toolkit/vblabel.h"

#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

namespace {

// The height of one frame of the list buttons' and the roll button's strips.
constexpr float ButtonFrame = 20;
const QColor WindowBack(96, 48, 0);
const QColor SheetBack(122, 61, 0);
const QColor ListBack(72, 36, 0);
const QColor BoxBack(159, 80, 0);
// The boxes' border and the scroll bar's groove.
const QColor Groove(56, 26, 0);

PictureBox *box(QWidget *parent, QColor back, QRect geometry)
{
    auto *b = new PictureBox(parent);
    b->setBackColor(back);
    b->Move(static_cast<float>(geometry.x()), static_cast<float>(geometry.y()),
            static_cast<float>(geometry.width()), static_cast<float>(geometry.height()));
    return b;
}

void styleBox(QWidget *box, double points, QColor text)
{
    box->setFont(Vb::Arial(points, true));
    box->setStyleSheet(
        QStringLiteral("background: %1; color: %2; border: 1px solid %3;"
                       " selection-background-color: rgb(255,208,112); selection-color: black;")
            .arg(BoxBack.name(), text.name(), Groove.name()));
}
} // namespace

frmCol::frmCol(QMdiArea *frame, ColHost &host) : VbForm(frame), m_host(host)
{
    setCaption(QStringLiteral("Sada komnat"));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, WindowBack);
    setPalette(pal);
    setAutoFillBackground(true);
    KeyPreview = true;
    setFocusPolicy(Qt::StrongFocus);
    resize(448, 409);
    buildList();
    buildButtons();
    buildSheet();
    Form_Load();
}

void frmCol::buildSheet()
{
    Picture2 = box(this, SheetBack, {0, 0, 448, 53});
    Picture1[1] = box(Picture2, SheetBack, {54, 6, 340, 283});

    struct BoxDesign
    {
        const char16_t *caption;
        QRect box, label;
        bool multiLine;
        double points;
    };
    const std::array<BoxDesign, 6> design{{
        {u"Jméno sady :", {132, 0, 208, 19}, {45, 1, 84, 16}, false, 12},
        {u"Autor sady :", {144, 47, 196, 16}, {66, 46, 75, 16}, false, 8.25},
        {u"E-mail :", {144, 67, 196, 16}, {93, 66, 48, 16}, false, 8.25},
        {u"Popis sady :", {144, 87, 196, 84}, {65, 86, 76, 16}, true, 8.25},
        {u"Povolené komnaty :", {145, 175, 196, 16}, {16, 174, 126, 16}, false, 8.25},
        {u"Gratulace :", {73, 195, 267, 98}, {0, 194, 70, 16}, true, 8.25},
    }};
    std::array<QWidget *, 6> boxes{};
    for (int i = 0; i < 6; ++i) {
        const BoxDesign &d = design[i];
        auto *label = new QLabel(QString::fromUtf16(d.caption), Picture1[1]);
        label->setGeometry(d.label);
        label->setFont(Vb::Arial(9.75, true));
        QPalette white = label->palette();
        white.setColor(QPalette::WindowText, Qt::white);
        label->setPalette(white);
        if (i == 4)
            label->setAlignment(Qt::AlignRight | Qt::AlignTop);
        Label2[i] = label;
        QWidget *box;
        if (d.multiLine) {
            auto *edit = new MultiLineBox(Picture1[1]);
            edit->setTabChangesFocus(true);
            box = edit;
        } else {
            auto *edit = new LineBox(Picture1[1]);
            edit->setTextMargins(1, 0, 1, 0);
            // The line edit's default of 32,767 characters would cut a long e-mail, which has no
            // length in the file; loading a set limits the name and the author to theirs.
            edit->setMaxLength(MaxSetFileText);
            box = edit;
        }
        box->setGeometry(d.box);
        styleBox(box, d.points, i == 2 ? QColor(255, 238, 0) : QColor(Qt::white));
        boxes[i] = box;
    }
    txtName = static_cast<QLineEdit *>(boxes[0]);
    txtAuth = static_cast<QLineEdit *>(boxes[1]);
    txtMail = static_cast<QLineEdit *>(boxes[2]);
    txtDesc = static_cast<MultiLineBox *>(boxes[3]);
    txtCaves = static_cast<QLineEdit *>(boxes[4]);
    txtCongr = static_cast<MultiLineBox *>(boxes[5]);
    txtMail->setText(QStringLiteral("@"));

    connect(txtName, &QLineEdit::textChanged, this, &frmCol::txtName_Change);
    connect(txtAuth, &QLineEdit::textChanged, this, &frmCol::txtAuth_Change);
    connect(txtMail, &QLineEdit::textChanged, this, &frmCol::txtMail_Change);
    connect(txtDesc, &MultiLineBox::textChanged, this, &frmCol::txtDesc_Change);
    connect(txtCongr, &MultiLineBox::textChanged, this, &frmCol::txtCongr_Change);
    connect(txtCaves, &QLineEdit::textChanged, this, &frmCol::txtCaves_Change);

    Picture1[0] = box(Picture2, SheetBack, {200, 29, 48, 20});
    Image1 = new ImageBox(Picture1[0]);
    Image1->setPicture(Picture(QStringLiteral("rollbtn")));
    Image1->Move(0, 0, 96, 40);
    Image1->setCursor(Qt::PointingHandCursor);
    connect(Image1, &ImageBox::mouseDown, this, [this] { Image1_MouseDown(); });
    connect(Image1, &ImageBox::mouseUp, this, [this] { Image1_MouseUp(); });
    connect(Image1, &ImageBox::clicked, this, [this] { Image1_Click(); });
    Picture1[0]->raise();
}

void frmCol::buildList()
{
    picCaves = box(this, ListBack, {ColLayout::FrameLeft, ColLayout::FrameTop, 432, 300});
    picCavesIn = box(picCaves, ListBack, {0, 0, 432, 0});
    VScroll1 = new QScrollBar(Qt::Vertical, picCaves);
    VScroll1->setGeometry(432, 0, ColLayout::ScrollWidth, 300);
    VScroll1->setRange(0, 0);
    VScroll1->setSingleStep(ColLayout::RowHeight);
    VScroll1->setFocusPolicy(Qt::NoFocus);
    VScroll1->setStyleSheet(QStringLiteral("QScrollBar:vertical { background: %1; width: 9px; margin: 0; }"
                                           "QScrollBar::handle:vertical { background: rgb(192,108,24);"
                                           " min-height: 12px; border-radius: 3px; }"
                                           "QScrollBar::add-line, QScrollBar::sub-line { height: 0; }"
                                           "QScrollBar::add-page, QScrollBar::sub-page { background: none; }")
                                .arg(Groove.name()));
    connect(VScroll1, &QScrollBar::valueChanged, this, [this] { VScroll1_Change(); });

    imgSel = new ImageBox(picCavesIn);
    imgSel->setPicture(Picture(QStringLiteral("selbar")));
    imgSel->Move(0, ColLayout::HiddenSelTop, 430, ColLayout::RowHeight);
    // An image control takes no mouse of its own: the canvas under it does.
    imgSel->setAttribute(Qt::WA_TransparentForMouseEvents);

    auto *no = new VbLabel(QStringLiteral("000"), picCavesIn);
    no->Move(0, 0, 21, 16);
    no->setFont(Vb::Arial(9.75, true));
    no->setForeColor(Qt::white);
    no->hide();
    auto *name = new VbLabel(picCavesIn);
    name->Move(18, 1, 1900, 14);
    name->setFont(Vb::Arial(8.25, true));
    name->setForeColor(Qt::white);
    name->hide();
    lblCNo.push_back(no);
    lblCName.push_back(name);

    connect(picCaves, &PictureBox::mouseDown, this,
            [this](int b, int s, QPointF p) { picCaves_MouseDown(b, s, float(p.x()), float(p.y())); });
    connect(picCaves, &PictureBox::mouseMove, this,
            [this](int b, int s, QPointF p) { picCaves_MouseMove(b, s, float(p.x()), float(p.y())); });
    connect(picCavesIn, &PictureBox::mouseMove, this,
            [this](int b, int s, QPointF p) { picCavesIn_MouseMove(b, s, float(p.x()), float(p.y())); });
}

void frmCol::buildButtons()
{
    const std::array<const char16_t *, ButtonCount> captions{u"Editovat", u"Přidat", u"Smazat", u"  Nahoru",
                                                             u"Dolu  "};
    const std::array<int, ButtonCount> panel{0, 0, 0, 1, 1};
    const std::array<int, ButtonCount> left{0, 104, 208, 97, 0};
    picButtons[0] = box(this, WindowBack, {0, 0, ColLayout::Panel0Width, ColLayout::Panel0Height});
    picButtons[1] = box(this, WindowBack, {0, 0, ColLayout::Panel1Width, ColLayout::Panel1Height});
    for (int i = 0; i < ButtonCount; ++i) {
        picArrow[i] = box(picButtons[panel[i]], WindowBack, {left[i], 0, 96, 20});
        imgBCave[i] = new ImageBox(picArrow[i]);
        imgBCave[i]->Move(0, 0, 96, 40);
        lblCave[i] = new VbLabel(QString::fromUtf16(captions[i]), picArrow[i]);
        lblCave[i]->Move(0, 2, 96, 13);
        lblCave[i]->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
        lblCave[i]->setFont(Vb::Arial(8.25, true));
        lblCave[i]->setForeColor(Qt::white);
        connect(imgBCave[i], &VbControl::mouseDown, this, [this, i](int b, int s, QPointF p) {
            imgBCave_MouseDown(i, b, s, float(p.x()), float(p.y()));
        });
        connect(imgBCave[i], &VbControl::mouseUp, this, [this, i](int b, int s, QPointF p) {
            imgBCave_MouseUp(i, b, s, float(p.x()), float(p.y()));
        });
        connect(imgBCave[i], &VbControl::clicked, this, [this, i] { imgBCave_Click(i); });
        connect(lblCave[i], &VbControl::mouseDown, this, [this, i](int b, int s, QPointF p) {
            lblCave_MouseDown(i, b, s, float(p.x()), float(p.y()));
        });
        connect(lblCave[i], &VbControl::mouseUp, this,
                [this, i](int b, int s, QPointF p) { lblCave_MouseUp(i, b, s, float(p.x()), float(p.y())); });
        connect(lblCave[i], &VbControl::clicked, this, [this, i] { lblCave_Click(i); });
        // A press shifts the caption a pixel: a release anywhere on the button is its click.
        lblCave[i]->setClickArea(picArrow[i]);
    }
    imgBCave[EditButton]->setPicture(Picture(QStringLiteral("btnface")));
    imgBCave[UpButton]->setPicture(Picture(QStringLiteral("btnup")));
    imgBCave[DownButton]->setPicture(Picture(QStringLiteral("btndown")));
}

void frmCol::Form_Load()
{
    imgBCave[AddButton]->setPicture(imgBCave[EditButton]->picture());
    imgBCave[DeleteButton]->setPicture(imgBCave[EditButton]->picture());
}

void frmCol::setChanged()
{
    m_host.SetChanged();
}

void frmCol::txtName_Change()
{
    setChanged();
}

void frmCol::txtAuth_Change()
{
    setChanged();
}

void frmCol::txtMail_Change()
{
    setChanged();
}

void frmCol::txtDesc_Change()
{
    setChanged();
}

void frmCol::txtCongr_Change()
{
    setChanged();
}

// An edit here alone must not be lost without the save question; loading the
// box clears the flag after it (frmMain::LoadSet).
void frmCol::txtCaves_Change()
{
    setChanged();
    const AllowedEdit e = NormalizeAllowed(txtCaves->text(), txtCaves->cursorPosition());
    if (e.text != txtCaves->text())
        txtCaves->setText(e.text); // runs this handler once more, which finds nothing to change
    txtCaves->setCursorPosition(e.caret);
}

// ---- rows ----

void frmCol::CreateRow(int k)
{
    if (k < 1)
        return;
    if (int(lblCNo.size()) <= k) {
        lblCNo.resize(k + 1, nullptr);
        lblCName.resize(k + 1, nullptr);
    }
    if (lblCNo[k])
        return;
    auto *no = new VbLabel(QStringLiteral("0%1").arg(k).right(2), picCavesIn);
    no->setFont(lblCNo[0]->font());
    no->setForeColor(lblCNo[0]->ForeColor());
    no->Move(0, static_cast<float>((k - 1) * ColLayout::RowHeight), 21, 16);
    auto *name = new VbLabel(picCavesIn);
    name->setFont(lblCName[0]->font());
    name->setForeColor(lblCName[0]->ForeColor());
    name->Move(18, static_cast<float>((k - 1) * ColLayout::RowHeight + 1), 1900, 14);
    // Where the two overlap the number lies on top, so a press there counts from its top edge.
    name->stackUnder(no);
    lblCNo[k] = no;
    lblCName[k] = name;
    // Handlers look the row up by label, so a row keeps working whatever is renumbered.
    connect(no, &VbLabel::mouseDown, this,
            [this, k](int b, int s, QPointF p) { lblCNo_MouseDown(k, b, s, float(p.x()), float(p.y())); });
    connect(no, &VbLabel::mouseMove, this,
            [this, k](int b, int s, QPointF p) { lblCNo_MouseMove(k, b, s, float(p.x()), float(p.y())); });
    connect(no, &VbLabel::doubleClicked, this, [this, k] { lblCNo_DblClick(k); });
    connect(name, &VbLabel::mouseDown, this,
            [this, k](int b, int s, QPointF p) { lblCName_MouseDown(k, b, s, float(p.x()), float(p.y())); });
    connect(name, &VbLabel::mouseMove, this,
            [this, k](int b, int s, QPointF p) { lblCName_MouseMove(k, b, s, float(p.x()), float(p.y())); });
    connect(name, &VbLabel::clicked, this, [this, k] { lblCName_Click(k); });
    connect(name, &VbLabel::doubleClicked, this, [this, k] { lblCName_DblClick(k); });
    no->show();
    name->show();
}

void frmCol::DestroyRow(int k)
{
    if (!RowExists(k))
        return;
    // A row may be destroyed from inside one of its own label's handlers.
    lblCNo[k]->hide();
    lblCName[k]->hide();
    lblCNo[k]->deleteLater();
    lblCName[k]->deleteLater();
    lblCNo[k] = nullptr;
    lblCName[k] = nullptr;
    while (lblCNo.size() > 1 && !lblCNo.back()) {
        lblCNo.pop_back();
        lblCName.pop_back();
    }
}

bool frmCol::RowExists(int k) const
{
    return k >= 1 && k < int(lblCNo.size()) && lblCNo[k];
}

QString frmCol::RowName(int k) const
{
    return RowExists(k) ? lblCName[k]->Caption() : QString();
}

void frmCol::SetRowName(int row, const QString &name)
{
    if (RowExists(row))
        lblCName[row]->setCaption(name);
}

void frmCol::SetCanvasHeight(int h)
{
    picCavesIn->resize(picCavesIn->width(), h);
}

void frmCol::SetSelTop(int top)
{
    imgSel->setTop(static_cast<float>(top));
}

int frmCol::SelTop() const
{
    return imgSel->y();
}

void frmCol::SendSelToBack()
{
    imgSel->lower();
}

// ---- selection ----

void frmCol::lblCName_Click(int Index)
{
    const int numCaves = m_host.CaveCount();
    int v = int(int16_t(Index));
    if (v < 1)
        v = 1;
    if (v > numCaves)
        v = numCaves;
    const int rowTop = v == 0 ? lblCNo[0]->y() : (v - 1) * ColLayout::RowHeight;
    if (imgSel->y() != rowTop)
        SetSelTop(rowTop);
    Selected = uint8_t(v);
    if (imgSel->y() + picCavesIn->y() < 0)
        VScroll1->setValue(imgSel->y());
    if (picCaves->height() - picCavesIn->y() - imgSel->y() - imgSel->height() < 0)
        VScroll1->setValue(imgSel->y() + imgSel->height() - picCaves->height());
}

void frmCol::lblCName_DblClick(int Index)
{
    m_host.ShowCave(Index);
}

void frmCol::lblCNo_DblClick(int Index)
{
    lblCName_DblClick(Index);
}

// A press on either label of a row, or a move over its number, drags the selection as over its name.
void frmCol::lblCNo_MouseDown(int Index, int Button, int Shift, float X, float Y)
{
    lblCName_MouseMove(Index, Button, Shift, X, Y);
}

void frmCol::lblCNo_MouseMove(int Index, int Button, int Shift, float X, float Y)
{
    lblCName_MouseMove(Index, Button, Shift, X, Y);
}

void frmCol::lblCName_MouseDown(int Index, int Button, int Shift, float X, float Y)
{
    lblCName_MouseMove(Index, Button, Shift, X, Y);
}

void frmCol::lblCName_MouseMove(int Index, int Button, int, float, float Y)
{
    if (Button == Vb::LeftButton)
        lblCName_Click(Index + int(std::floor(Y / ColLayout::RowHeight)));
}

void frmCol::picCaves_MouseDown(int Button, int Shift, float X, float Y)
{
    picCaves_MouseMove(Button, Shift, X, Y);
}

void frmCol::picCaves_MouseMove(int Button, int, float, float Y)
{
    if (Button != Vb::NoButton)
        lblCName_Click(int(std::floor(Y / ColLayout::RowHeight)) + 1);
}

void frmCol::picCavesIn_MouseMove(int Button, int Shift, float X, float Y)
{
    picCaves_MouseMove(Button, Shift, X, Y);
}

void frmCol::VScroll1_Change()
{
    picCavesIn->move(picCavesIn->x(), -VScroll1->value());
}

void frmCol::Form_KeyDown(int KeyCode, int)
{
    if (KeyCode == Vb::KeyUp)
        lblCName_Click(int16_t(Selected - 1));
    if (KeyCode == Vb::KeyDown)
        lblCName_Click(int16_t(Selected + 1));
    if (KeyCode == Vb::KeyReturn || KeyCode == Vb::KeyF4)
        lblCName_DblClick(Selected);
}

// ---- buttons ----

void frmCol::imgBCave_Click(int Index)
{
    switch (Index) {
    case EditButton: m_host.ShowCave(Selected); break;
    case AddButton: m_host.AddCave(Selected); break;
    case DeleteButton: m_host.DelCave(Selected); break;
    case UpButton: m_host.MoveCave(Selected, -1); break;
    case DownButton: m_host.MoveCave(Selected, 1); break;
    default: break;
    }
}

void frmCol::imgBCave_MouseDown(int Index, int, int, float, float)
{
    if (Index < 0 || Index >= ButtonCount)
        return;
    imgBCave[Index]->showPressed(true, ButtonFrame);
    lblCave[Index]->Move(1, 3);
}

void frmCol::imgBCave_MouseUp(int Index, int, int, float, float)
{
    if (Index < 0 || Index >= ButtonCount)
        return;
    imgBCave[Index]->showPressed(false, ButtonFrame);
    lblCave[Index]->Move(0, 2);
}

void frmCol::lblCave_Click(int Index)
{
    imgBCave_Click(Index);
}

void frmCol::lblCave_MouseDown(int Index, int Button, int Shift, float X, float Y)
{
    imgBCave_MouseDown(Index, Button, Shift, X, Y);
}

void frmCol::lblCave_MouseUp(int Index, int Button, int Shift, float X, float Y)
{
    imgBCave_MouseUp(Index, Button, Shift, X, Y);
}

// ---- the roll-down sheet ----

void frmCol::Image1_MouseDown()
{
    Image1->showPressed(true, ButtonFrame);
}

void frmCol::Image1_MouseUp()
{
    Image1->showPressed(false, ButtonFrame);
}

void frmCol::Image1_Click()
{
    Image1->showPressed(true, ButtonFrame);
    startSheetRoll(Image1->Left() != 0 ? Roll::SheetUp : Roll::SheetDown);
    Picture2->raise();
}

void frmCol::setSheetHeight(double h)
{
    Picture2->Move(0, 0, float(width()), float(h));
}

// The main window's one roll timer runs the sheet, as it runs its own animations.
void frmCol::startSheetRoll(int code)
{
    m_host.startRoll(code);
}

void frmCol::SheetRollStep(int code)
{
    if (code != Roll::SheetDown && code != Roll::SheetUp)
        return;
    const SheetRoll::Step s = SheetRoll::SheetRollStep(code, Picture2->Height(), height());
    setSheetHeight(s.height);
    if (s.stop) {
        m_host.stopRoll();
        Image1->Move(static_cast<float>(s.faceLeft), 0);
        if (s.chainRollUp)
            startSheetRoll(Roll::SheetUp);
    }
    Picture1[0]->setTop(float(s.rollPanelTop));
    Picture1[1]->setTop(float(s.propPanelTop));
}

// ---- layout ----

bool frmCol::minimized() const
{
    return subWindow() && minimizedOrRestoring();
}

void frmCol::resizeEvent(QResizeEvent *)
{
    // The sheet is docked along the top edge at the full width.
    Picture2->setWidth(static_cast<float>(width()));
    Form_Resize();
}

void frmCol::Form_Resize()
{
    ColLayout::Input in;
    in.W = width();
    in.H = height();
    in.minimized = minimized();
    in.numCaves = m_host.CaveCount();
    in.canvasHeight = picCavesIn->height();
    in.canvasTop = picCavesIn->y();
    in.scrollValue = VScroll1->value();
    in.scrollMax = VScroll1->maximum();
    in.scrollLeft = VScroll1->x();
    in.sheetHeight = Picture2->Height();
    in.rollRunning = m_host.rollRunning();
    in.propPanelTop = Picture1[1]->Top();
    const ColLayout::Layout r = ColLayout::Arrange(in);
    if (!r.changed)
        return;

    picCaves->resize(r.frameWidth, picCaves->height());
    picCaves->setVisible(r.listVisible);
    picButtons[0]->setVisible(r.listVisible);
    picButtons[1]->setVisible(r.listVisible);
    VScroll1->setVisible(r.listVisible);
    if (r.listLaidOut) {
        picCaves->resize(r.frameWidth, r.frameHeight);
        VScroll1->move(r.scrollLeft, 0);
        if (r.scrollMax != VScroll1->maximum() || r.scrollValue != VScroll1->value()) {
            VScroll1->setMaximum(std::max(0, r.scrollMax));
            VScroll1->setValue(r.scrollValue);
        }
        VScroll1->setPageStep(std::max(ColLayout::RowHeight, r.frameInnerHeight));
        picCavesIn->move(0, r.canvasTop);
        picCavesIn->resize(r.canvasWidth, picCavesIn->height());
        VScroll1->resize(ColLayout::ScrollWidth, r.scrollHeight);
        picButtons[0]->move(r.panel0Left, r.panel0Top);
        picButtons[1]->move(r.panel1Left, r.panel1Top);
    }
    if (r.sheetFitted) {
        setSheetHeight(r.sheetHeight);
        Picture1[0]->setTop(float(r.rollPanelTop));
        if (r.startRollUp)
            startSheetRoll(Roll::SheetUp);
        Picture1[1]->setTop(float(r.propPanelTop));
    }
    Picture1[0]->setLeft(float(r.rollPanelLeft));
    Picture1[1]->setLeft(float(r.propPanelLeft));
    imgSel->resize(std::max(0, r.selWidth), imgSel->height());
}

// ---- showing and closing ----

void frmCol::Form_QueryUnload(int &Cancel, int UnloadMode)
{
    Cancel = UnloadMode != Vb::CloseFromFrame;
    hide();
}
