#include "editor/spinbox.h"

#include "toolkit/vbcontrol.h"
#include "toolkit/vbevents.h"

#include <QRegularExpressionValidator>

namespace {

void applyValidator(QLineEdit *txt)
{
    const bool numOnly = txt->property("NumOnly").toBool();
    const int limit = txt->property("TypingLimit").toInt();
    const QString count = limit > 0 ? QStringLiteral("{0,%1}").arg(limit) : QStringLiteral("*");
    const QString pattern = (numOnly ? QStringLiteral("[0-9]") : QStringLiteral("[\\s\\S]")) + count;
    auto *old = txt->validator();
    txt->setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), txt));
    delete old;
}

} // namespace

bool SetNumOnly(QLineEdit *txt, bool Enable)
{
    const bool before = txt->property("NumOnly").toBool();
    txt->setProperty("NumOnly", Enable);
    applyValidator(txt);
    txt->update();
    return before;
}

void SetTypingLimit(QLineEdit *txt, int maxLength)
{
    txt->setProperty("TypingLimit", maxLength);
    applyValidator(txt);
}

SpinBoxes::SpinBoxes(int count, QObject *parent) : QObject(parent)
{
    const auto n = static_cast<size_t>(count);
    picUD.resize(n);
    Label2.resize(n);
    txtUD.resize(n);
    imgUD.resize(n);
    Tag.resize(n);
    tmrUD = new VbTimer(this);
    connect(tmrUD, &QTimer::timeout, this, &SpinBoxes::tmrUD_Timer);
}

void SpinBoxes::create(int i, QWidget *parent, const Box &def)
{
    const auto k = static_cast<size_t>(i);
    static const Picture strip(QStringLiteral("spin"));
    const int textWidth = def.maxLength >= 3 ? 49 : def.maxLength == 2 ? 36 : 23;

    auto *box = new QWidget(parent);
    box->setGeometry(def.left, def.top, def.width, 23);
    picUD[k] = box;

    auto *label = new QLabel(def.caption, box);
    const int labelWidth = def.width - textWidth - 16;
    label->setGeometry(0, 4, labelWidth, 17);
    label->setAlignment(Qt::AlignRight | Qt::AlignTop);
    label->setStyleSheet(QStringLiteral("color: white; font-size: 11px;"));
    Label2[k] = label;

    auto *txt = new QLineEdit(box);
    txt->setGeometry(labelWidth, -3, textWidth, 29);
    txt->setFont(Vb::Arial(18, true));
    txt->setFrame(false);
    txt->setTextMargins(0, 3, 0, 0);
    txt->setStyleSheet(QStringLiteral("QLineEdit { color: white; background: #7a4a1e; }"));
    SetTypingLimit(txt, def.maxLength);
    connect(txt, &QLineEdit::editingFinished, this, [this, i] { EndEdit(i); });
    txtUD[k] = txt;
    Tag[k] = def.tag;

    auto *img = new ImageBox(box);
    img->setPicture(strip);
    img->setGeometry(def.width - 16, SpinInput::RestTop, 16, 69);
    imgUD[k] = img;
    connect(img, &ImageBox::mouseDown, this, [this, i](int b, int s, QPointF p) {
        imgUD_MouseDown(i, b, s, static_cast<float>(p.x() * 15), static_cast<float>(p.y() * 15));
    });
    connect(img, &ImageBox::mouseMove, this, [this, i](int b, int s, QPointF p) {
        imgUD_MouseMove(i, b, s, static_cast<float>(p.x() * 15), static_cast<float>(p.y() * 15));
    });
    connect(img, &ImageBox::mouseUp, this, [this, i](int b, int s, QPointF p) {
        imgUD_MouseUp(i, b, s, static_cast<float>(p.x() * 15), static_cast<float>(p.y() * 15));
    });
}

int SpinBoxes::checkText(int i)
{
    QLineEdit *txt = txtUD[static_cast<size_t>(i)];
    // isModified() tells the user's typing from the program's setText().
    if (txt->isModified()) {
        const QString shown = SpinInput::WhileTyping(txt->text(), range(i));
        if (txt->text() != shown)
            txt->setText(shown);
    }
    return SpinRange::Clamp(SpinRange::LeadingNumber(txt->text()), range(i));
}

void SpinBoxes::EndEdit(int i)
{
    QLineEdit *txt = txtUD[static_cast<size_t>(i)];
    if (!txt->isModified())
        return;
    const QString shown = SpinInput::Settled(txt->text(), range(i));
    if (txt->text() != shown)
        txt->setText(shown);
    txt->setModified(false);
}

void SpinBoxes::imgUD_MouseDown(int Index, int Button, int Shift, float X, float Y)
{
    EndEdit(Index); // a press ends the typing; the step goes from the number in range
    imgUD_MouseMove(Index, Button, Shift, X, Y);
    tmrUD->Tag = QString::number(Index);
    tmrUD->setEnabled(true);
    tmrUD_Timer();
    tmrUD->setInterval(SpinInput::FirstRepeatMs);
}

void SpinBoxes::imgUD_MouseMove(int Index, int Button, int, float, float Y)
{
    if (Button == Vb::NoButton)
        return;
    ImageBox *img = imgUD[static_cast<size_t>(Index)];
    const auto d = SpinInput::ForRow(Y / 15.0 + img->y());
    img->setTop(static_cast<float>(d.top));
    SpinStep = static_cast<int16_t>(d.step);
}

void SpinBoxes::imgUD_MouseUp(int Index, int, int, float, float)
{
    imgUD[static_cast<size_t>(Index)]->setTop(SpinInput::RestTop);
    tmrUD->setEnabled(false);
}

void SpinBoxes::letGo()
{
    if (tmrUD->Enabled())
        imgUD_MouseUp(tmrUD->Tag.toInt(), Vb::LeftButton, 0, 0, 0);
}

void SpinBoxes::tmrUD_Timer()
{
    const int i = tmrUD->Tag.toInt();
    if (i < 0 || i >= static_cast<int>(txtUD.size()))
        return;
    QLineEdit *txt = txtUD[static_cast<size_t>(i)];
    const int before = SpinRange::LeadingNumber(txt->text());
    const int v = SpinRange::Clamp(static_cast<int16_t>(before + SpinStep), range(i));
    // A size the dialog was given outside its range never moves against the
    // arrow: plus does not shrink a 60 wide chamber to 50, nor minus grow one of 3.
    const bool along = v == before || (v - before) * SpinStep > 0;
    const QString shown = QString::number(v);
    if (along && txt->text() != shown)
        txt->setText(shown);
    tmrUD->setInterval(SpinInput::RepeatMs);
}
