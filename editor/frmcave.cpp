#include "editor/frmcave.h"

#include "common/cellchars.h"
#include "common/text8.h"
#include "editor/cavelayout.h"
#include "editor/drawtools.h"
#include "editor/frmsize.h"
#include "shell/frmcol.h"
#include "shell/frmmain.h"
#include "store/modzorbel.h"
#include "toolkit/msgbox.h"
#include "toolkit/vbevents.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

#include <cmath>

namespace {

const QString BusyMark = QStringLiteral(" - Pracuje se...");
const QString OutOfMemory = QStringLiteral("Out of memory");

// The bars run from 0 at their start to a negative end, shown inverted; Qt
// steps the arrows and the track by the range, so the steps are turned round.
void stepTowardTheEnd(QScrollBar *bar, int action)
{
    const int step = action == QAbstractSlider::SliderSingleStepAdd || action == QAbstractSlider::SliderSingleStepSub
                         ? bar->singleStep()
                         : bar->pageStep();
    switch (action) {
    case QAbstractSlider::SliderSingleStepAdd:
    case QAbstractSlider::SliderPageStepAdd:
        bar->setSliderPosition(bar->value() - step);
        break;
    case QAbstractSlider::SliderSingleStepSub:
    case QAbstractSlider::SliderPageStepSub:
        bar->setSliderPosition(bar->value() + step);
        break;
    default:
        break;
    }
}
constexpr int NameLimit = 190; // a chamber string holds at most 190 characters of each text

frmMain *mainWindow()
{
    return frmMain::instance();
}

ImageBox *paletteEntry(int k)
{
    auto *m = mainWindow();
    return m && k >= 0 && k < ObjectCount ? m->imgS[static_cast<size_t>(k)] : nullptr;
}

ImageBox *buttonObject(int b)
{
    auto *m = mainWindow();
    return m && b >= 0 && b < 4 ? m->picSel[static_cast<size_t>(b)] : nullptr;
}

// The cell character a mouse button's object writes: a blank when it has none.
char buttonChar(const ImageBox *obj)
{
    return obj && !obj->Tag.isEmpty() ? obj->Tag.at(0) : ' ';
}

// The palette's picture of object k; an unknown object gets a picture of its own.
const Picture &objectPicture(int k)
{
    static const Picture unknown(QStringLiteral("obj_unknown"));
    const ImageBox *entry = paletteEntry(k);
    return entry ? entry->picture() : unknown;
}

const SpinBoxes::Box PropSpins[7] = {
    {QStringLiteral("Potřebný počet drahokamů :"), QString::fromLatin1(CaveSpins::Tags[0]), 3, 227, 0, 223},
    {QStringLiteral("Celkový čas :"), QString::fromLatin1(CaveSpins::Tags[1]), 3, 311, 25, 139},
    {QStringLiteral("Body :"), QString::fromLatin1(CaveSpins::Tags[2]), 2, 58, 25, 87},
    {QStringLiteral("Prémiové body :"), QString::fromLatin1(CaveSpins::Tags[3]), 2, 2, 50, 143},
    {QStringLiteral("Propustnost bláta :"), QString::fromLatin1(CaveSpins::Tags[4]), 1, 0, 75, 145},
    {QStringLiteral("Čas kouzelné zdi :"), QString::fromLatin1(CaveSpins::Tags[5]), 3, 283, 50, 167},
    {QStringLiteral("Čas améby :"), QString::fromLatin1(CaveSpins::Tags[6]), 3, 316, 75, 134},
};

} // namespace

// The four circles of the atmosphere selection, drawn over the buttons.
class AtmRing : public QWidget
{
public:
    explicit AtmRing(QWidget *parent) : QWidget(parent)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
    }
    QRectF ring;

protected:
    void paintEvent(QPaintEvent *) override
    {
        if (ring.isEmpty())
            return;
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const struct
        {
            QColor c;
            int w;
        } circles[4] = {{QColor(0xFF, 0xFF, 0xFF), 7}, {QColor(0xFF, 0xC0, 0x80), 5},
                        {QColor(0xC0, 0x40, 0x00), 3}, {QColor(0x55, 0x2B, 0x00), 1}};
        for (const auto &c : circles) {
            p.setPen(QPen(c.c, c.w));
            p.drawEllipse(ring);
        }
    }
};

frmCave::frmCave() : VbForm(frmMain::instance()->mdiArea(), true)
{
    KeyPreview = true;
    Timer1 = new VbTimer(this);
    Timer1->setInterval(50);
    connect(Timer1, &QTimer::timeout, this, &frmCave::Timer1_Timer);
}

void frmCave::frameMade(QMdiSubWindow *sub)
{
    sub->resize(700, 480);
    connect(sub, &QMdiSubWindow::windowStateChanged, this, [this](Qt::WindowStates before, Qt::WindowStates now) {
        const bool was = before & Qt::WindowActive, is = now & Qt::WindowActive;
        if (is && !was)
            Form_Activate();
        else if (was && !is)
            Form_Deactivate();
    });
}

void frmCave::setVisible(bool visible)
{
    if (visible)
        ensureControls();
    VbForm::setVisible(visible);
}

void frmCave::buildControls()
{
    m_built = true;
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0x4a, 0x2a, 0x10));
    setPalette(pal);

    picButtons = new QWidget(this);
    picButtons->setGeometry(0, 0, 200, 20);
    static const Picture tab(QStringLiteral("tab"));
    static const Picture sizeButton(QStringLiteral("sizebtn"));
    const QString captions[4] = {QStringLiteral("Komnata"), QStringLiteral("Vlastnosti"), QString(),
                                 QStringLiteral("Rozměry")};

    buildMapPage();
    buildPropsPage();

    QPalette white;
    white.setColor(QPalette::WindowText, Qt::white);
    for (int i : {0, 1, 3}) {
        const auto k = static_cast<size_t>(i);
        const int h = i == 3 ? 23 : 20;
        picArrow[k] = new QWidget(i == 3 ? picAttr.get() : picButtons.get());
        picArrow[k]->setGeometry(i == 3 ? 49 : i * 104, 0, 96, h);
        imgBCave[k] = new ImageBox(picArrow[k]);
        imgBCave[k]->setGeometry(0, 0, 96, 2 * h);
        imgBCave[k]->setPicture(i == 3 ? sizeButton : tab);
        lblCave[k] = new QLabel(captions[i], picArrow[k]);
        lblCave[k]->setAlignment(Qt::AlignCenter);
        QFont f = lblCave[k]->font();
        f.setBold(true);
        f.setPixelSize(12);
        lblCave[k]->setFont(f);
        lblCave[k]->setPalette(white);
        lblCave[k]->setGeometry(0, i == 3 ? 3 : 2, 96, 13);
        lblCave[k]->installEventFilter(this);
        connect(imgBCave[k], &ImageBox::mouseDown, this,
                [this, i](int b, int s, QPointF p) { imgBCave_MouseDown(i, b, s, p.x(), p.y()); });
        // A tab's click only repeats its press; the size command runs once per press.
        if (i != 3)
            connect(imgBCave[k], &ImageBox::clicked, this, [this, i] { imgBCave_Click(i); });
    }
    for (int i = 0; i < 7; ++i)
        SetNumOnly(txtUD(i), true);
    fillControls();
    // Made for a window already sized: lay out as its resize would.
    if (hasSubWindow())
        Arrange();
}

// The boxes show the record, without running their change handlers: the
// record already holds what those would have stored.
void frmCave::fillControls()
{
    const QSignalBlocker name(txtName.get()), desc(txtDesc.get());
    txtName->setText(Text8::toUnicode(m_cave.Name));
    txtDesc->setPlainText(Text8::toBoxText(m_cave.Description));
    const int values[7] = {m_cave.GemsNeeded, m_cave.TotalTime, m_cave.Points, m_cave.BonusPoints,
                           m_cave.MudPermeability, m_cave.MagicWallTime, m_cave.AmoebaTime};
    for (int i = 0; i < 7; ++i) {
        const QSignalBlocker box(txtUD(i));
        txtUD(i)->setText(QString::number(values[i]));
    }
    imgAtm_Click(AtmIndex);
}

void frmCave::buildMapPage()
{
    picFCave = new QWidget(this);
    picFCave->setGeometry(0, 20, 10, 10);
    picFCave->hide();
    picCave = new PicCave(picFCave);
    connect(picCave, &PicCave::mouseDown, this, &frmCave::picCave_MouseDown);
    connect(picCave, &PicCave::mouseMove, this, &frmCave::picCave_MouseMove);
    connect(picCave, &PicCave::mouseUp, this, &frmCave::picCave_MouseUp);
    HScroll1 = new QScrollBar(Qt::Horizontal, picFCave);
    HScroll1->resize(100, 9);
    VScroll1 = new QScrollBar(Qt::Vertical, picFCave);
    VScroll1->resize(9, 100);
    // The value is the surface's Left or Top: 0 shows its start, at the bar's start.
    for (QScrollBar *bar : {HScroll1, VScroll1}) {
        bar->setInvertedAppearance(true);
        bar->setInvertedControls(false);
        bar->setTracking(false);
        bar->setRange(0, 0);
        bar->hide();
        connect(bar, &QAbstractSlider::actionTriggered, this, [bar](int action) { stepTowardTheEnd(bar, action); });
    }
    connect(HScroll1, &QScrollBar::valueChanged, this, &frmCave::HScroll1_Change);
    connect(VScroll1, &QScrollBar::valueChanged, this, &frmCave::VScroll1_Change);
    Check1 = new QCheckBox(picFCave);
    Check1->setGeometry(0, 0, 9, 9);
    Check1->setStyleSheet(QStringLiteral("QCheckBox::indicator { width: 7px; height: 7px; }"));
    Check1->hide();
    connect(Check1, &QCheckBox::clicked, this, &frmCave::Check1_Click);
}

void frmCave::buildPropsPage()
{
    picFProps = new QWidget(this);
    picFProps->setGeometry(0, 20, 10, 10);
    picFProps->hide();

    picTexts = new QWidget(picFProps);
    picTexts->resize(CaveLayout::TextsWidth, CaveLayout::TextsHeight);
    auto *l0 = new QLabel(QStringLiteral("Jméno komnaty :"), picTexts);
    l0->setGeometry(0, 2, 96, 17);
    auto *l1 = new QLabel(QStringLiteral("Popis komnaty :"), picTexts);
    l1->setGeometry(0, 26, 96, 17);
    QPalette white = l0->palette();
    white.setColor(QPalette::WindowText, Qt::white);
    QFont small = l0->font();
    small.setPixelSize(11);
    for (QLabel *l : {l0, l1}) {
        l->setPalette(white);
        l->setFont(small);
    }
    txtName = new QLineEdit(picTexts);
    txtName->setGeometry(98, 0, 229, 19);
    txtName->setMaxLength(NameLimit);
    txtDesc = new MultiLineBox(picTexts);
    txtDesc->setGeometry(98, 24, 229, 42);
    txtDesc->setMaxBytes(NameLimit);
    connect(txtName, &QLineEdit::textChanged, this, &frmCave::txtName_Change);
    connect(txtDesc, &MultiLineBox::textChanged, this, &frmCave::txtDesc_Change);

    picAttr = new QWidget(picFProps);
    picAttr->resize(CaveLayout::AttrWidth, CaveLayout::AttrHeight);
    spin = new SpinBoxes(7, this);
    for (int i = 0; i < 7; ++i) {
        spin->create(i, picAttr, PropSpins[i]);
        connect(spin->txtUD[static_cast<size_t>(i)], &QLineEdit::textChanged, this,
                [this, i] { txtUD_Change(i); });
    }

    picAtm = new QWidget(picFProps);
    for (int i = 0; i < 5; ++i) {
        auto *clip = new QWidget(picAtm);
        auto *img = new ImageBox(clip);
        img->setGeometry(0, 0, 80, 80);
        img->setPicture(Picture(QStringLiteral("atm%1").arg(i)));
        connect(img, &ImageBox::clicked, this, [this, i] { imgAtm_Click(i); });
        imgAtm[static_cast<size_t>(i)] = clip;
    }
    m_ring = new AtmRing(picAtm);
}

bool frmCave::Visible() const
{
    return hasSubWindow() && !subWindow()->isHidden();
}

void frmCave::setChanged()
{
    if (auto *m = mainWindow())
        m->Changed = true;
}

// ---- loading, painting, storing ----

void frmCave::SaveToColl()
{
    auto *m = mainWindow();
    if (!m)
        return;
    const auto s = CaveToString(m_cave);
    // A record the string cannot hold leaves the chamber as last stored.
    if (s.ok())
        m->SaveCave(s.value(), CaveNo);
}

void frmCave::OpenCave(const QByteArray &A)
{
    auto parsed = StringToCave(A);
    m_cave = parsed.ok() ? CaveSpins::Loaded(parsed.value()) : CaveRecord{};

    const int atm = Atmosphere::ButtonForValue(m_cave.Atmosphere);
    if (atm >= 0)
        AtmIndex = static_cast<int16_t>(atm);

    if (m_built) {
        imgAtm_Click(AtmIndex);
        const QString name = Text8::toUnicode(m_cave.Name);
        const bool sameName = txtName->text() == name;
        txtName->setText(name);
        // An unchanged text raises no change, yet the row and CaveName must follow this binding.
        if (sameName)
            txtName_Change();
        txtDesc->SetText(Text8::toBoxText(m_cave.Description));
        const int values[7] = {m_cave.GemsNeeded, m_cave.TotalTime, m_cave.Points, m_cave.BonusPoints,
                               m_cave.MudPermeability, m_cave.MagicWallTime, m_cave.AmoebaTime};
        for (int i = 0; i < 7; ++i) {
            const QString text = QString::number(values[i]);
            if (txtUD(i)->text() == text)
                txtUD_Change(i);
            else
                txtUD(i)->setText(text);
        }
        picCave->setSurfaceSize(1, 1);
        picCave->Cls();
    } else {
        // No boxes yet: the record already holds what their change handlers would store.
        setChanged();
        showName(Text8::toUnicode(m_cave.Name));
    }

    SaveToColl();
}

void frmCave::RefreshCave()
{
    auto *m = mainWindow();
    TileSize = m ? m->Dil : 26;
    picCave->shpClone.resize(TileSize, TileSize);
    const int small = 2 * (TileSize / 4);
    picCave->shpClone2.resize(small, small);
    picCave->setSurfaceSize(m_cave.Width * TileSize, m_cave.Height * TileSize);
    txtName_Change();
    lblCave_MouseDown(0, 1, 0, 0, 0);
    Arrange();
    for (int X = 0; X < m_cave.Width; ++X) {
        for (int Y = 0; Y < m_cave.Height; ++Y) {
            const char c = m_cave.Map[static_cast<size_t>(X)][static_cast<size_t>(Y)];
            const int k = ObjectForCell(c);
            if (const int d = HeroVariantForCell(c); d > 0 && m)
                m->mnuH_Click(d);
            PREKR(X, Y, k);
            if (Caption() == OutOfMemory) {
                hide();
                return;
            }
        }
    }
}

Picture frmCave::CellPicture(char c)
{
    if (const int d = HeroVariantForCell(c); d > 0) {
        auto *m = mainWindow();
        if (m && !m->imgZor[static_cast<size_t>(d)].isNull())
            return m->imgZor[static_cast<size_t>(d)];
        return Picture(QStringLiteral("hero%1").arg(d));
    }
    return objectPicture(ObjectForCell(c));
}

void frmCave::PREKR(double XX, double YY, double Conakr)
{
    const int k = static_cast<int16_t>(std::nearbyint(Conakr));
    const Picture &pic = objectPicture(k);
    const QRect r(static_cast<int>(XX * TileSize), static_cast<int>(YY * TileSize), TileSize, TileSize);
    if (!picCave->drawPicture(r, pic)) {
        Vb::MsgBox(QStringLiteral("K otevření další komnaty není dostatek paměti.\r\n"
                                  "Zavři nějakou otevřenou komnatu a zkus znovu."),
                   Vb::MsgOkOnly);
        setCaption(OutOfMemory);
    }
}

QByteArray frmCave::GetCDXY(double X, double Y) const
{
    if (X > m_cave.Width - 1 || Y > m_cave.Height - 1 || X < 0 || Y < 0)
        return QByteArrayLiteral("NE");
    return QByteArray(1, m_cave.Map[static_cast<size_t>(X)][static_cast<size_t>(Y)]);
}

// ---- window events ----

void frmCave::Form_Activate()
{
    m_active = true;
    Timer1->setEnabled(Check1->isChecked());
}

void frmCave::Form_Deactivate()
{
    m_active = false;
    Timer1->setEnabled(false);
}

void frmCave::Form_KeyDown(int KeyCode, int)
{
    if (KeyCode == 27) {
        int cancel = 0;
        Form_QueryUnload(cancel, Vb::CloseFromProgram);
    }
}

void frmCave::Form_QueryUnload(int &Cancel, int UnloadMode)
{
    if (UnloadMode != Vb::CloseFromFrame)
        Cancel = 1;
    hide();
    if (m_built) {
        picCave->Cls();
        picCave->setSurfaceSize(1, 1);
    }
    SaveToColl();
}

void frmCave::resizeEvent(QResizeEvent *)
{
    Form_Resize();
}

bool frmCave::eventFilter(QObject *obj, QEvent *e)
{
    if (e->type() == QEvent::MouseButtonPress) {
        for (int i : {0, 1, 3}) {
            if (obj == lblCave[static_cast<size_t>(i)]) {
                auto *me = static_cast<QMouseEvent *>(e);
                lblCave_MouseDown(i, Vb::button(me->button()), Vb::shift(me->modifiers()), me->position().x(),
                                  me->position().y());
                return true;
            }
        }
    }
    return QWidget::eventFilter(obj, e);
}

void frmCave::Form_Resize()
{
    if (auto *m = mainWindow()) {
        const bool maxed = subWindow()->isMaximized();
        for (int g : {3, 7, 8, 9})
            if (ImageBox *strip = m->imgG[static_cast<size_t>(g)])
                strip->setVisible(maxed);
    }
    Arrange();
}

// ---- mouse and tools ----

int frmCave::PixelToCellX(double X) const
{
    return DrawTools::PixelToCell(X, TileSize, m_cave.Width);
}

int frmCave::PixelToCellY(double Y) const
{
    return DrawTools::PixelToCell(Y, TileSize, m_cave.Height);
}

void frmCave::dispatch(MousePhase phase, int X, int Y, int Button, int Shift)
{
    const int tool = mainWindow() ? mainWindow()->Nastroj : 0;
    switch (tool) {
    case 0: PencilTool(X, Y, Button, Shift); break;
    case 1:
        if (phase == Press)
            LineStart(X, Y, Button);
        else if (phase == Move)
            LinePreview(X, Y, Button);
        else
            LineCommit(X, Y, Button);
        break;
    case 2:
        if (phase != Release)
            CloneTool(X, Y, Button);
        break;
    case 3:
        if (phase == Press)
            RectStart(X, Y, Button);
        else if (phase == Move)
            RectPreview(X, Y, Button);
        else
            RectCommit(X, Y, Button);
        break;
    case 4:
        if (phase != Release)
            FillTool(X, Y, Button);
        break;
    default: break;
    }
}

// A set file may hold a chamber of width or height 0: it has no cell for
// the tools to work on.
bool frmCave::hasCells() const
{
    return m_cave.Width > 0 && m_cave.Height > 0;
}

void frmCave::picCave_MouseDown(int Button, int Shift, double X, double Y)
{
    if ((Button == 1 || Button == 2) && hasCells())
        dispatch(Press, PixelToCellX(X), PixelToCellY(Y), Button, Shift);
}

void frmCave::picCave_MouseMove(int Button, int Shift, double X, double Y)
{
    if (Check1->isChecked()) {
        PointerX = picCave->x() + X;
        PointerY = picCave->y() + Y;
        ScrollGain = 1;
    }
    if ((Button != 1 && Button != 2) || !hasCells())
        return;
    const int cx = PixelToCellX(X), cy = PixelToCellY(Y);
    if (cx == LastCellX && cy == LastCellY)
        return;
    dispatch(Move, cx, cy, Button, Shift);
    LastCellX = cx;
    LastCellY = cy;
}

void frmCave::picCave_MouseUp(int Button, int Shift, double X, double Y)
{
    if ((Button == 1 || Button == 2) && hasCells())
        dispatch(Release, PixelToCellX(X), PixelToCellY(Y), Button, Shift);
}

void frmCave::SetCell(int X, int Y, int Button)
{
    setChanged();
    const ImageBox *obj = buttonObject(Button);
    const char c = buttonChar(obj);
    m_cave.Map[static_cast<size_t>(X)][static_cast<size_t>(Y)] = c;
    if (obj) {
        const QRect r(X * TileSize, Y * TileSize, TileSize, TileSize);
        picCave->drawPicture(r, obj->picture());
    }
}

void frmCave::PencilTool(int X, int Y, int Button, int)
{
    SetCell(X, Y, Button);
}

void frmCave::FillTool(int X, int Y, int Button)
{
    // Compared with the character the fill writes, so the walk always ends.
    const char c = buttonChar(buttonObject(Button));
    if (m_cave.Map[static_cast<size_t>(X)][static_cast<size_t>(Y)] == c)
        return;
    ShowBusy();
    const auto cells = DrawTools::FloodFillCells(
        [this](int x, int y) { return m_cave.Map[static_cast<size_t>(x)][static_cast<size_t>(y)]; },
        m_cave.Width, m_cave.Height, X, Y, c);
    for (const auto &cell : cells)
        SetCell(cell.x, cell.y, Button);
    HideBusy();
}

// The caption is what changed: repainting the title bar alone shows it at
// once without redrawing the whole map around a fill. Taking the mark away
// can wait for the repaint that shows the filled cells.
void frmCave::repaintCaption(bool now)
{
    QMdiSubWindow *sub = subWindow();
    QWidget *target = sub;
    int h = sub->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, sub) + 4;
    if (sub->isMaximized()) {
        target = sub->window();
        h = sub->style()->pixelMetric(QStyle::PM_TitleBarHeight) + 8;
    }
    if (!target)
        return;
    if (now)
        target->repaint(0, 0, target->width(), h);
    else
        target->update(0, 0, target->width(), h);
}

void frmCave::ShowBusy()
{
    setCaption(Caption() + BusyMark);
    repaintCaption(true);
}

void frmCave::HideBusy()
{
    QString c = Caption();
    if (c.endsWith(BusyMark)) {
        c.chop(BusyMark.size());
        setCaption(c);
    }
    repaintCaption(false);
}

static QColor previewColour(int Button)
{
    return Button == 1 ? QColor(255, 255, 127) : QColor(127, 255, 255);
}

void frmCave::LineStart(int X, int Y, int Button)
{
    if (!Dragging) {
        DragX1 = DragX2 = X;
        DragY1 = DragY2 = Y;
        Dragging = true;
        LinePreview(X, Y, Button);
        picCave->LineLine.setColor(previewColour(Button));
    } else {
        Dragging = false;
        picCave->LineLine.setVisible(false);
    }
}

void frmCave::LinePreview(int X, int Y, int)
{
    if (!Dragging)
        return;
    DragX2 = X;
    DragY2 = Y;
    picCave->LineLine.setLine(QLineF((DragX1 + 0.5) * TileSize, (DragY1 + 0.5) * TileSize,
                                     (DragX2 + 0.5) * TileSize, (DragY2 + 0.5) * TileSize));
    picCave->LineLine.setVisible(true);
}

void frmCave::LineCommit(int, int, int Button)
{
    if (!Dragging)
        return;
    for (const auto &cell : DrawTools::LineCells(static_cast<int>(DragX1), static_cast<int>(DragY1),
                                                 static_cast<int>(DragX2), static_cast<int>(DragY2)))
        SetCell(cell.x, cell.y, Button);
    picCave->LineLine.setVisible(false);
    Dragging = false;
}

void frmCave::RectStart(int X, int Y, int Button)
{
    if (!Dragging) {
        DragX1 = DragX2 = X;
        DragY1 = DragY2 = Y;
        Dragging = true;
        RectPreview(X, Y, Button);
        picCave->shpRect.setColor(previewColour(Button));
    } else {
        Dragging = false;
        picCave->shpRect.setVisible(false);
    }
}

void frmCave::RectPreview(int X, int Y, int)
{
    if (!Dragging)
        return;
    DragX2 = X;
    DragY2 = Y;
    const double left = std::min(DragX1, DragX2), top = std::min(DragY1, DragY2);
    picCave->shpRect.move((left + 0.25) * TileSize, (top + 0.25) * TileSize);
    picCave->shpRect.resize((std::abs(DragX2 - DragX1) + 1 - 0.5) * TileSize,
                            (std::abs(DragY2 - DragY1) + 1 - 0.5) * TileSize);
    picCave->shpRect.setVisible(true);
}

void frmCave::RectCommit(int, int, int Button)
{
    if (!Dragging)
        return;
    for (const auto &cell : DrawTools::RectCells(static_cast<int>(DragX1), static_cast<int>(DragY1),
                                                 static_cast<int>(DragX2), static_cast<int>(DragY2)))
        SetCell(cell.x, cell.y, Button);
    picCave->shpRect.setVisible(false);
    Dragging = false;
}

void frmCave::CloneTool(int X, int Y, int Button)
{
    auto *m = mainWindow();
    if (!m)
        return;
    if (Button == 2) {
        m->SetClonePoint(static_cast<float>(X), static_cast<float>(Y), static_cast<uint8_t>(Tag.toInt()));
        return;
    }
    m->GetCD(static_cast<float>(X), static_cast<float>(Y));
    const ImageBox *buffer = buttonObject(3);
    if (buffer && buffer->Tag != "NE")
        PencilTool(X, Y, 3, 0);
}

// ---- property page ----

void frmCave::txtUD_Change(int Index)
{
    setChanged();
    const int v = spin->clampText(Index);
    switch (Index) {
    case 0: m_cave.GemsNeeded = static_cast<int16_t>(v); break;
    case 1: m_cave.TotalTime = static_cast<int16_t>(v); break;
    case 2: m_cave.Points = static_cast<uint8_t>(v); break;
    case 3: m_cave.BonusPoints = static_cast<uint8_t>(v); break;
    case 4: m_cave.MudPermeability = static_cast<uint8_t>(v); break;
    case 5: m_cave.MagicWallTime = static_cast<uint8_t>(v); break;
    case 6: m_cave.AmoebaTime = static_cast<uint8_t>(v); break;
    default: break;
    }
}

void frmCave::txtName_Change()
{
    setChanged();
    const QString name = txtName->text();
    m_cave.Name = Text8::fromUnicode(name);
    showName(name);
}

// The name reaches the caption, CaveName and the chamber's row of the set window.
void frmCave::showName(const QString &name)
{
    if (auto *m = mainWindow())
        m->Col()->SetRowName(CaveNo, name);
    setCaption(QStringLiteral("Komnata - ") + name);
    CaveName = name;
}

void frmCave::txtDesc_Change()
{
    const QByteArray bytes = txtDesc->Bytes();
    if (bytes != m_cave.Description)
        setChanged();
    m_cave.Description = bytes;
}

void frmCave::imgAtm_Click(int Index)
{
    if (Index < 0 || Index > 4)
        return;
    if (Index != AtmIndex) {
        setChanged();
        if (Atmosphere::ButtonForValue(m_cave.Atmosphere) != Index)
            m_cave.Atmosphere = static_cast<uint8_t>(Atmosphere::FirstValue(Index));
    }
    AtmIndex = static_cast<int16_t>(Index);
    const QRect g = imgAtm[static_cast<size_t>(Index)]->geometry();
    const double s = g.width() / 8.0 * 5;
    shpAtm = QRectF(g.left() + g.width() / 16.0 * 3, g.top() + g.height() / 16.0 * 3, s, s);
    m_ring->ring = shpAtm;
    m_ring->update();
}

// ---- tabs and size ----

void frmCave::setTabLook(int i, bool pressed)
{
    const auto k = static_cast<size_t>(i);
    const int frame = i == 3 ? 23 : 20;
    const int top = i == 3 ? 3 : 2;
    imgBCave[k]->setTop(pressed ? -frame : 0);
    lblCave[k]->move(pressed ? 1 : 0, pressed ? top + 1 : top);
}

// A press on a button's picture or caption runs the button at once.
void frmCave::imgBCave_MouseDown(int Index, int, int, double, double)
{
    imgBCave_Click(Index);
}

void frmCave::lblCave_MouseDown(int Index, int Button, int Shift, double X, double Y)
{
    imgBCave_MouseDown(Index, Button, Shift, X, Y);
}

void frmCave::imgBCave_Click(int Index)
{
    if (Index == 0 || Index == 1) {
        setTabLook(0, false);
        setTabLook(1, false);
        setTabLook(Index, true);
        picFCave->setVisible(Index == 0);
        picFProps->setVisible(Index == 1);
        return;
    }
    if (Index != 3)
        return;
    setTabLook(3, true);
    const int oldW = m_cave.Width, oldH = m_cave.Height;
    frmSize *dlg = mainWindow() ? mainWindow()->Size() : nullptr;
    if (dlg) {
        dlg->txtUD(0)->setText(QString::number(m_cave.Height));
        dlg->txtUD(1)->setText(QString::number(m_cave.Width));
        dlg->exec();
        m_cave.Height = static_cast<uint8_t>(SpinRange::LeadingNumber(dlg->txtUD(0)->text()));
        m_cave.Width = static_cast<uint8_t>(SpinRange::LeadingNumber(dlg->txtUD(1)->text()));
    }
    if (m_cave.Width != oldW || m_cave.Height != oldH) {
        picCave->setSurfaceSize(m_cave.Width * TileSize, m_cave.Height * TileSize);
        if (m_cave.Width > oldW)
            for (int Y = 0; Y < m_cave.Height; ++Y)
                for (int X = oldW; X < m_cave.Width; ++X)
                    SetCell(X, Y, 2);
        if (m_cave.Height > oldH)
            for (int X = 0; X < m_cave.Width; ++X)
                for (int Y = oldH; Y < m_cave.Height; ++Y)
                    SetCell(X, Y, 2);
        Arrange();
        setChanged();
    }
    setTabLook(3, false);
}

// ---- layout and scrolling ----

void frmCave::Arrange()
{
    const int W0 = width();
    const int H0 = height() - 20;
    picButtons->move((W0 - picButtons->width()) / 2, 0);

    CaveLayout::MapInput in;
    in.W0 = W0;
    in.H0 = H0;
    in.Sw = picCave->width();
    in.Sh = picCave->height();
    in.VW = VScroll1->width();
    in.HH = HScroll1->height();
    in.L = picCave->x();
    in.T = picCave->y();
    const auto o = CaveLayout::ArrangeMap(in);
    ViewWidth = o.ViewWidth;
    ViewHeight = o.ViewHeight;
    const QSignalBlocker bh(HScroll1), bv(VScroll1);
    if (o.needH) {
        HScroll1->setGeometry(0, static_cast<int>(o.hTop), std::max(0, static_cast<int>(o.hWidth)),
                              HScroll1->height());
        HScroll1->setRange(o.hMax, 0);
        HScroll1->setSingleStep(std::max<int>(TileSize, 1));
        HScroll1->setPageStep(std::max(1, static_cast<int>(o.ViewWidth)));
        HScroll1->setValue(static_cast<int>(std::lround(o.L)));
        HScroll1->show();
    } else {
        HScroll1->hide();
    }
    if (o.needV) {
        VScroll1->setGeometry(static_cast<int>(o.vLeft), 0, VScroll1->width(),
                              std::max(0, static_cast<int>(o.vHeight)));
        VScroll1->setRange(o.vMax, 0);
        VScroll1->setSingleStep(std::max<int>(TileSize, 1));
        VScroll1->setPageStep(std::max(1, static_cast<int>(o.ViewHeight)));
        VScroll1->setValue(static_cast<int>(std::lround(o.T)));
        VScroll1->show();
    } else {
        VScroll1->hide();
    }
    if (o.checkShown) {
        Check1->move(static_cast<int>(o.checkLeft), static_cast<int>(o.checkTop));
        Check1->show();
        Check1->raise();
        // The auto-scroll belongs to the active window only.
        Timer1->setEnabled(Check1->isChecked() && m_active);
    } else {
        Check1->hide();
        Timer1->setEnabled(false);
    }
    picCave->move(static_cast<int>(std::lround(o.L)), static_cast<int>(std::lround(o.T)));
    picCave->setView(QRect(0, 0, static_cast<int>(o.ViewWidth), static_cast<int>(o.ViewHeight)));
    picFCave->setGeometry(0, 20, std::max(0, W0), std::max(0, H0));

    const auto p = CaveLayout::ArrangeProps(W0, H0);
    picTexts->move(static_cast<int>(p.textsLeft), static_cast<int>(p.textsTop));
    picAttr->move(static_cast<int>(p.attrLeft), static_cast<int>(p.attrTop));
    picAtm->setGeometry(static_cast<int>(p.atmLeft), static_cast<int>(p.atmTop), 5 * p.u, p.u);
    for (int i = 0; i < 5; ++i)
        imgAtm[static_cast<size_t>(i)]->setGeometry(i * p.u, 0, p.u, p.u);
    m_ring->setGeometry(0, 0, 5 * p.u, p.u);
    m_ring->raise();
    imgAtm_Click(AtmIndex);
    picFProps->setGeometry(0, 20, std::max(0, W0), std::max(0, H0));
}

void frmCave::HScroll1_Change()
{
    picCave->move(HScroll1->value(), picCave->y());
}

void frmCave::VScroll1_Change()
{
    picCave->move(picCave->x(), VScroll1->value());
}

void frmCave::Check1_Click()
{
    Timer1->setEnabled(Check1->isChecked());
}

void frmCave::Timer1_Timer()
{
    // The position keeps its fraction between steps, so a slow scroll adds up;
    // a surface moved elsewhere since starts from where it stands.
    double L = std::lround(m_autoL) == picCave->x() ? m_autoL : picCave->x();
    double T = std::lround(m_autoT) == picCave->y() ? m_autoT : picCave->y();
    int value = 0;
    if (!HScroll1->isHidden()) {
        L = CaveLayout::AutoScrollStep(ScrollGain, PointerX, ViewWidth, picCave->width(), picCave->width(), L,
                                       &value);
        HScroll1->setValue(value);
    }
    if (!VScroll1->isHidden()) {
        T = CaveLayout::AutoScrollStep(ScrollGain, PointerY, ViewHeight, picCave->height(), picCave->height(), T,
                                       &value);
        VScroll1->setValue(value);
    }
    m_autoL = L;
    m_autoT = T;
    picCave->move(static_cast<int>(std::lround(L)), static_cast<int>(std::lround(T)));
}
