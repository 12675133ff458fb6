#pragma once

#include "rules/spininput.h"
#include "toolkit/imagebox.h"
#include "toolkit/vbtimer.h"

#include <QLabel>
#include <QLineEdit>
#include <QObject>
#include <QString>

#include <cstdint>
#include <vector>

// Makes a text box accept only the digits 0 to 9 (or lifts that); returns
// whether it did before. The box's typing limit stays as set by SetTypingLimit.
bool SetNumOnly(QLineEdit *txt, bool Enable);
// The number of characters a user may type into a box; texts the program
// writes are not cut, so that a change handler sees them whole.
void SetTypingLimit(QLineEdit *txt, int maxLength);

// The spin boxes of one window: each a clipping container picUD(i) with its
// caption Label2(i), the digits box txtUD(i) and the three-frame arrow strip
// imgUD(i), all sharing the window's timer tmrUD and SpinStep. What a box's
// change does with its value is the window's business (its txtUD_Change).
class SpinBoxes : public QObject
{
    Q_OBJECT
public:
    struct Box
    {
        QString caption;
        QString tag;
        int maxLength;
        int left, top, width;
    };

    SpinBoxes(int count, QObject *parent);

    void create(int i, QWidget *parent, const Box &def);

    std::vector<QWidget *> picUD;
    std::vector<QLabel *> Label2;
    std::vector<QLineEdit *> txtUD;
    std::vector<ImageBox *> imgUD;
    std::vector<QString> Tag; // the range of box i
    VbTimer *tmrUD = nullptr;
    int16_t SpinStep = 0;

    SpinRange::Range range(int i) const { return SpinRange::Parse(Tag[static_cast<size_t>(i)]); }

    // The text of box i changed: one the user typed is shown as
    // SpinInput::WhileTyping has it, one the program wrote stays as written.
    // Returns the box's value within its range.
    int checkText(int i);
    // The editing of box i ends (focus out, Enter, the window takes the value):
    // a typed text is shown as its value within the range.
    void EndEdit(int i);

    // Y arrives in twips, 15 to the pixel.
    void imgUD_MouseDown(int Index, int Button, int Shift, float X, float Y);
    void imgUD_MouseMove(int Index, int Button, int Shift, float X, float Y);
    void imgUD_MouseUp(int Index, int Button, int Shift, float X, float Y);
    void tmrUD_Timer();
    // A window hidden with an arrow held gets no release: the arrow is let go
    // here, or its repeat would go on stepping the box.
    void letGo();
};
