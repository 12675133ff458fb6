#pragma once

#include "common/caverecord.h"
#include "common/freetag.h"
#include "common/result.h"
#include "editor/cavehost.h"
#include "editor/piccave.h"
#include "editor/spinbox.h"
#include "rules/drawtools.h"
#include "store/cavespins.h"
#include "toolkit/imagebox.h"
#include "toolkit/multilinebox.h"
#include "toolkit/vbform.h"
#include "toolkit/vbtimer.h"

#include <QByteArray>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QString>
#include <QWidget>

#include <array>
#include <cstdint>

class QMdiSubWindow;
class AtmRing;

// A control of a chamber window. The controls are made when the window is
// first shown (or by ensureControls), never by reading one, so that the up to
// 100 bound windows that are never shown hold only their chamber.
template <class T>
class CaveControl
{
public:
    CaveControl &operator=(T *p)
    {
        m_p = p;
        return *this;
    }
    T *get() const { return m_p; }
    T *operator->() const { return get(); }
    operator T *() const { return get(); }

private:
    T *m_p = nullptr;
};

// A chamber window: an MDI child of the main window that edits one chamber of
// the open set. It is hidden, never destroyed, when the user closes it.
class frmCave : public VbForm
{
    Q_OBJECT
public:
    explicit frmCave(CaveHost &host);

    // The buttons of picArrow, imgBCave and lblCave: the two tabs and the
    // command "Rozměry" on the property page (there is no button 2).
    static constexpr int MapTab = 0, PropsTab = 1, SizeCommand = 3;
    // GetCDXY's answer for a cell outside the chamber: the clone buffer then paints nothing.
    static constexpr char NoCell[] = "NE";
    // The caption of a window whose map could not be painted for want of memory.
    static inline const QString OutOfMemoryCaption = QStringLiteral("Out of memory");

    // ---- the chamber, its loading, painting and storing (frmcave.cpp) ----
    int16_t CaveNo = 0;
    QString CaveName;
    // The record's chamber string, numbers still being typed taken as their
    // boxes will show them; a message when the record has none (a text over
    // 190 characters).
    Result<QByteArray> CaveString();
    // Stores the chamber under CaveNo; false, with CaveData left as it was,
    // when the record has no chamber string.
    bool SaveToColl();
    void RefreshCave();
    void OpenCave(const QByteArray &A);
    void PREKR(double XX, double YY, double Conakr);
    QByteArray GetCDXY(double X, double Y) const;

    // FreeTag, or the window's slot in its host's window table as decimal text.
    QString Tag = FreeTag;

    // The window as a whole, its MDI frame included (show() and hide() act on both).
    bool Visible() const;
    void setVisible(bool visible) override;
    const CaveRecord &record() const { return m_cave; }

    // ---- controls, made by frmcave.cpp ----
    template <class T, size_t N>
    using Controls = std::array<CaveControl<T>, N>;
    CaveControl<QWidget> picButtons;
    Controls<QWidget, 4> picArrow{}; // MapTab, PropsTab, SizeCommand
    Controls<ImageBox, 4> imgBCave{};
    Controls<QLabel, 4> lblCave{};
    CaveControl<QWidget> picFCave;
    CaveControl<QScrollBar> HScroll1;
    CaveControl<QScrollBar> VScroll1;
    CaveControl<QCheckBox> Check1;
    CaveControl<PicCave> picCave;
    VbTimer *Timer1 = nullptr;
    CaveControl<QWidget> picFProps;
    CaveControl<QWidget> picTexts;
    CaveControl<QLineEdit> txtName;
    CaveControl<MultiLineBox> txtDesc;
    CaveControl<QWidget> picAttr;
    CaveControl<SpinBoxes> spin; // txtUD(0..6), imgUD(0..6), tmrUD, SpinStep
    QLineEdit *txtUD(int i) const { return spin->txtUD[static_cast<size_t>(i)]; }
    CaveControl<QWidget> picAtm;
    // Each clips its 80 x 80 texture.
    Controls<QWidget, Atmosphere::ButtonCount> imgAtm{};
    // Makes the controls if they are not made yet.
    void ensureControls()
    {
        if (!m_built)
            buildControls();
    }
    bool controlsMade() const { return m_built; }
    QRectF shpAtm; // the selection ring's four circles, one place (frmcave_props.cpp)

    // ---- state ----
    uint8_t TileSize = 0; // the host's tile size as RefreshCave found it
    // Auto-scroll (frmcave_layout.cpp): the pointer as the mouse (frmcave_mouse.cpp) left it.
    double PointerX = 0, PointerY = 0, ScrollGain = 0;
    double ViewWidth = 0, ViewHeight = 0;
    // A line or rectangle stroke (frmcave_mouse.cpp).
    double DragX1 = 0, DragY1 = 0, DragX2 = 0, DragY2 = 0;
    bool Dragging = false;
    double LastCellX = 0, LastCellY = 0;
    int16_t AtmIndex = 0; // frmcave_props.cpp

    // ---- window events (frmcave.cpp) ----
    void Form_Activate();
    void Form_Deactivate();
    void Form_KeyDown(int KeyCode, int Shift) override;
    void Form_QueryUnload(int &Cancel, int UnloadMode) override;
    // The picture that painting uses for a cell character.
    Picture CellPicture(char c) const;
    static Picture CellPicture(const CaveHost &host, char c);

    // ---- the mouse on the map (frmcave_mouse.cpp) ----
    void picCave_MouseDown(int Button, int Shift, double X, double Y);
    void picCave_MouseMove(int Button, int Shift, double X, double Y);
    void picCave_MouseUp(int Button, int Shift, double X, double Y);

    // ---- the property page (frmcave_props.cpp) ----
    void txtUD_Change(int Index);
    void txtName_Change();
    void txtDesc_Change();
    void imgAtm_Click(int Index);

    // ---- tabs, "Rozměry", layout, scrolling and auto-scroll (frmcave_layout.cpp) ----
    void imgBCave_Click(int Index);
    void imgBCave_MouseDown(int Index, int Button, int Shift, double X, double Y);
    void lblCave_MouseDown(int Index, int Button, int Shift, double X, double Y);
    void Form_Resize();
    void Arrange();
    void HScroll1_Change();
    void VScroll1_Change();
    void Check1_Click();
    void Timer1_Timer();

protected:
    void frameMade(QMdiSubWindow *sub) override;        // frmcave.cpp
    void resizeEvent(QResizeEvent *e) override;         // frmcave_layout.cpp
    bool eventFilter(QObject *obj, QEvent *e) override; // frmcave_layout.cpp

private:
    // ---- construction, loading and hiding (frmcave.cpp) ----
    void setChanged();
    void giveBack();
    void buildControls();
    void buildMapPage();
    void buildPropsPage();
    void fillControls();

    // ---- the tools (frmcave_mouse.cpp) ----
    int PixelToCellX(double X) const;
    int PixelToCellY(double Y) const;
    bool hasCells() const;
    void SetCell(int X, int Y, int Button);
    void PencilTool(int X, int Y, int Button, int Shift);
    void FillTool(int X, int Y, int Button);
    void ShowBusy();
    void HideBusy();
    void repaintCaption(bool now);
    void LineStart(int X, int Y, int Button);
    void LinePreview(int X, int Y, int Button);
    void LineCommit(int X, int Y, int Button);
    void RectStart(int X, int Y, int Button);
    void RectPreview(int X, int Y, int Button);
    void RectCommit(int X, int Y, int Button);
    void CloneTool(int X, int Y, int Button);
    void dragStart(int X, int Y, int Button, CaveShape &mark, void (frmCave::*preview)(int, int, int));
    void dragCommit(int Button, CaveShape &mark, DrawTools::Cells (*cells)(int, int, int, int));
    // The phase of a stroke that the mouse handlers pass on to the tool.
    enum MousePhase { Press, Move, Release };
    void dispatch(MousePhase phase, int X, int Y, int Button, int Shift);

    // ---- the tabs (frmcave_layout.cpp) ----
    void setTabLook(int i, bool pressed);

    // ---- the property page (frmcave_props.cpp) ----
    void showName(const QString &name);

    CaveHost &m_host;
    CaveRecord m_cave;
    double m_autoL = 0, m_autoT = 0; // the surface's exact place after the last auto-scroll step
    AtmRing *m_ring = nullptr;       // over imgAtm, drawn at shpAtm (frmcave_props.cpp)
    bool m_active = false;           // from Form_Activate to Form_Deactivate
    bool m_built = false;
};
