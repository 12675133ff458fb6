// The chamber window: its construction, loading, painting and storing of its chamber, and hiding.
#include "editor/frmcave.h"

#include "common/cellchars.h"
#include "common/text8.h"
#include "editor/atmospherering.h"
#include "rules/cavelayout.h"
#include "store/modzorbel.h"
#include "toolkit/linebox.h"
#include "toolkit/msgbox.h"
#include "toolkit/vbevents.h"

#include <QMdiArea>
#include <QMdiSubWindow>

#include <cmath>

namespace {

// The bars run from 0 at their start to a negative end, shown inverted; Qt
// steps the arrows and the track by the range, so the steps are turned round.
void stepTowardTheEnd(QScrollBar *bar, int action)
{
    const int step =
        action == QAbstractSlider::SliderSingleStepAdd || action == QAbstractSlider::SliderSingleStepSub
            ? bar->singleStep()
            : bar->pageStep();
    switch (action) {
    case QAbstractSlider::SliderSingleStepAdd:
    case QAbstractSlider::SliderPageStepAdd: bar->setSliderPosition(bar->value() - step); break;
    case QAbstractSlider::SliderSingleStepSub:
    case QAbstractSlider::SliderPageStepSub: bar->setSliderPosition(bar->value() + step); break;
    default: break;
    }
}

// The palette's picture of object k; an unknown object gets a picture of its own.
const Picture &objectPicture(const CaveHost &host, int k)
{
    static const Picture unknown(QStringLiteral("obj_unknown"));
    const Picture *pic = host.ObjectPicture(k);
    return pic ? *pic : unknown;
}

const SpinBoxes::Box PropSpins[CaveSpins::Count] = {
    {QStringLiteral("Potřebný počet drahokamů :"), QString::fromLatin1(CaveSpins::Tags[0]), 3, 227, 0, 223},
    {QStringLiteral("Celkový čas :"), QString::fromLatin1(CaveSpins::Tags[1]), 3, 311, 25, 139},
    {QStringLiteral("Body :"), QString::fromLatin1(CaveSpins::Tags[2]), 2, 58, 25, 87},
    {QStringLiteral("Prémiové body :"), QString::fromLatin1(CaveSpins::Tags[3]), 2, 2, 50, 143},
    {QStringLiteral("Propustnost bláta :"), QString::fromLatin1(CaveSpins::Tags[4]), 1, 0, 75, 145},
    {QStringLiteral("Čas kouzelné zdi :"), QString::fromLatin1(CaveSpins::Tags[5]), 3, 283, 50, 167},
    {QStringLiteral("Čas améby :"), QString::fromLatin1(CaveSpins::Tags[6]), 3, 316, 75, 134},
};

} // namespace

frmCave::frmCave(CaveHost &host) : VbForm(host.CaveArea(), true), m_host(host)
{
    KeyPreview = true;
    Timer1 = new VbTimer(this);
    Timer1->setInterval(50);
    connect(Timer1, &QTimer::timeout, this, &frmCave::Timer1_Timer);
}

void frmCave::frameMade(QMdiSubWindow *sub)
{
    sub->resize(700, 480);
    connect(sub, &QMdiSubWindow::windowStateChanged, this,
            [this](Qt::WindowStates before, Qt::WindowStates now) {
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
    else if (!frameTurning())
        giveBack();
    VbForm::setVisible(visible);
}

// However a window is hidden (closed, freed, its set replaced), a stroke still
// running is dropped unseen and the surface gives back its image; minimised,
// it is still on view and keeps it.
void frmCave::giveBack()
{
    if (!m_built)
        return;
    Dragging = false;
    spin->letGo();
    picCave->LineLine.setVisible(false);
    picCave->shpRect.setVisible(false);
    picCave->Cls();
    picCave->setSurfaceSize(1, 1);
}

void frmCave::buildControls()
{
    m_built = true;
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(128, 64, 0));
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
    for (int i : {MapTab, PropsTab, SizeCommand}) {
        const auto k = static_cast<size_t>(i);
        const int h = i == SizeCommand ? 23 : 20;
        picArrow[k] = new QWidget(i == SizeCommand ? picAttr.get() : picButtons.get());
        picArrow[k]->setGeometry(i == SizeCommand ? 49 : i * 104, 0, 96, h);
        imgBCave[k] = new ImageBox(picArrow[k]);
        imgBCave[k]->setGeometry(0, 0, 96, 2 * h);
        imgBCave[k]->setPicture(i == SizeCommand ? sizeButton : tab);
        lblCave[k] = new QLabel(captions[i], picArrow[k]);
        lblCave[k]->setAlignment(Qt::AlignCenter);
        QFont f = lblCave[k]->font();
        f.setBold(true);
        f.setPixelSize(12);
        lblCave[k]->setFont(f);
        lblCave[k]->setPalette(white);
        lblCave[k]->setGeometry(0, i == SizeCommand ? 3 : 2, 96, 13);
        lblCave[k]->installEventFilter(this);
        connect(imgBCave[k], &ImageBox::mouseDown, this,
                [this, i](int b, int s, QPointF p) { imgBCave_MouseDown(i, b, s, p.x(), p.y()); });
        // A tab's click only repeats its press; the size command runs once per press.
        if (i != SizeCommand)
            connect(imgBCave[k], &ImageBox::clicked, this, [this, i] { imgBCave_Click(i); });
    }
    for (int i = 0; i < CaveSpins::Count; ++i)
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
    for (int i = 0; i < CaveSpins::Count; ++i) {
        const QSignalBlocker box(txtUD(i));
        txtUD(i)->setText(QString::number(CaveSpins::Value(m_cave, i)));
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
        connect(bar, &QAbstractSlider::actionTriggered, this,
                [bar](int action) { stepTowardTheEnd(bar, action); });
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
    txtName = new LineBox(picTexts);
    txtName->setGeometry(98, 0, 229, 19);
    txtName->setMaxLength(ValueCharMax);
    txtDesc = new MultiLineBox(picTexts);
    txtDesc->setGeometry(98, 24, 229, 42);
    txtDesc->setMaxBytes(ValueCharMax);
    connect(txtName, &QLineEdit::textChanged, this, &frmCave::txtName_Change);
    connect(txtDesc, &MultiLineBox::textChanged, this, &frmCave::txtDesc_Change);

    picAttr = new QWidget(picFProps);
    picAttr->resize(CaveLayout::AttrWidth, CaveLayout::AttrHeight);
    spin = new SpinBoxes(CaveSpins::Count, this);
    for (int i = 0; i < CaveSpins::Count; ++i) {
        spin->create(i, picAttr, PropSpins[i]);
        connect(spin->txtUD[static_cast<size_t>(i)], &QLineEdit::textChanged, this,
                [this, i] { txtUD_Change(i); });
    }

    picAtm = new QWidget(picFProps);
    for (int i = 0; i < Atmosphere::ButtonCount; ++i) {
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
    m_host.SetChanged();
}

// ---- loading, painting, storing ----

Result<QByteArray> frmCave::CaveString()
{
    if (m_built)
        for (int i = 0; i < CaveSpins::Count; ++i)
            spin->EndEdit(i);
    return CaveToString(m_cave);
}

bool frmCave::SaveToColl()
{
    const auto s = CaveString();
    if (!s.ok())
        return false;
    m_host.SaveCave(s.value(), CaveNo);
    return true;
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
        for (int i = 0; i < CaveSpins::Count; ++i) {
            const QString text = QString::number(CaveSpins::Value(m_cave, i));
            const bool same = txtUD(i)->text() == text;
            txtUD(i)->setText(text); // the box's undo starts with this chamber, even for the same text
            if (same)
                txtUD_Change(i);
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
    TileSize = m_host.TileSize();
    picCave->shpClone.resize(TileSize, TileSize);
    const int small = 2 * (TileSize / 4);
    picCave->shpClone2.resize(small, small);
    picCave->setSurfaceSize(m_cave.Width * TileSize, m_cave.Height * TileSize);
    txtName_Change();
    lblCave_MouseDown(MapTab, Vb::LeftButton, 0, 0, 0);
    Arrange();
    for (int X = 0; X < m_cave.Width; ++X) {
        for (int Y = 0; Y < m_cave.Height; ++Y) {
            const char c = m_cave.Map[static_cast<size_t>(X)][static_cast<size_t>(Y)];
            const int k = ObjectForCell(c);
            if (const int d = HeroVariantForCell(c); d > 0)
                m_host.mnuH_Click(d);
            PREKR(X, Y, k);
            if (Caption() == OutOfMemoryCaption) {
                hide();
                return;
            }
        }
    }
}

Picture frmCave::CellPicture(const CaveHost &host, char c)
{
    if (const int d = HeroVariantForCell(c); d > 0) {
        Picture hero = host.HeroPicture(d);
        return hero.isNull() ? Picture(QStringLiteral("hero%1").arg(d)) : hero;
    }
    return objectPicture(host, ObjectForCell(c));
}

Picture frmCave::CellPicture(char c) const
{
    return CellPicture(m_host, c);
}

void frmCave::PREKR(double XX, double YY, double Conakr)
{
    const int k = static_cast<int16_t>(std::nearbyint(Conakr));
    const Picture &pic = objectPicture(m_host, k);
    const QRect r(static_cast<int>(XX * TileSize), static_cast<int>(YY * TileSize), TileSize, TileSize);
    if (!picCave->drawPicture(r, pic)) {
        Vb::MsgBox(QStringLiteral("K otevření další komnaty není dostatek paměti.\r\n"
                                  "Zavři nějakou otevřenou komnatu a zkus znovu."),
                   Vb::MsgOkOnly);
        setCaption(OutOfMemoryCaption);
    }
}

QByteArray frmCave::GetCDXY(double X, double Y) const
{
    if (X > m_cave.Width - 1 || Y > m_cave.Height - 1 || X < 0 || Y < 0)
        return QByteArray(NoCell);
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
    if (KeyCode == Vb::KeyEscape) {
        int cancel = 0;
        Form_QueryUnload(cancel, Vb::CloseFromProgram);
    }
}

void frmCave::Form_QueryUnload(int &Cancel, int UnloadMode)
{
    if (UnloadMode != Vb::CloseFromFrame)
        Cancel = 1;
    hide(); // clears and shrinks the surface
    SaveToColl();
}
