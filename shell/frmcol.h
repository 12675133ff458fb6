#pragma once

#include "shell/colhost.h"
#include "toolkit/vbform.h"

#include <QPointF>
#include <QString>

#include <array>
#include <cstdint>
#include <vector>

class ImageBox;
class MultiLineBox;
class PictureBox;
class QLabel;
class VbLabel;
class QLineEdit;
class QScrollBar;

// The set window "Sada komnat": the set's properties on a roll-down sheet,
// the numbered chamber list and the buttons that act on the selected chamber.
// It exists once, as an MDI child of the main window, and is hidden instead
// of closed.
class frmCol : public VbForm
{
    Q_OBJECT
public:
    frmCol(QMdiArea *frame, ColHost &host);

    uint8_t Selected = 0;

    // The buttons below the list, by their index in picArrow, imgBCave and lblCave.
    enum CaveButton : int { EditButton = 0, AddButton = 1, DeleteButton = 2, UpButton = 3, DownButton = 4 };
    static constexpr int ButtonCount = 5;

    // The six property boxes; the set file fills and reads them.
    QLineEdit *txtName = nullptr;
    QLineEdit *txtAuth = nullptr;
    QLineEdit *txtMail = nullptr;
    MultiLineBox *txtDesc = nullptr;
    QLineEdit *txtCaves = nullptr;
    MultiLineBox *txtCongr = nullptr;

    // Rows: element 0 of each array is the invisible template.
    std::vector<VbLabel *> lblCNo;
    std::vector<VbLabel *> lblCName;
    // Creates row k (number "01".."99", empty name) on the canvas, visible.
    void CreateRow(int k);
    void DestroyRow(int k);
    bool RowExists(int k) const;
    QString RowName(int k) const;
    // Re-captions row k; a row that does not exist is skipped.
    void SetRowName(int row, const QString &name);
    void SetCanvasHeight(int h);
    void SetSelTop(int top);
    int SelTop() const;
    // Puts the selection bar behind every row label.
    void SendSelToBack();

    void lblCName_Click(int Index);
    void lblCName_DblClick(int Index);
    void lblCNo_DblClick(int Index);
    void lblCNo_MouseDown(int Index, int Button, int Shift, float X, float Y);
    void lblCNo_MouseMove(int Index, int Button, int Shift, float X, float Y);
    void lblCName_MouseDown(int Index, int Button, int Shift, float X, float Y);
    void lblCName_MouseMove(int Index, int Button, int Shift, float X, float Y);
    void picCaves_MouseDown(int Button, int Shift, float X, float Y);
    void picCaves_MouseMove(int Button, int Shift, float X, float Y);
    void picCavesIn_MouseMove(int Button, int Shift, float X, float Y);
    void Form_KeyDown(int KeyCode, int Shift) override;
    void Form_Resize();
    void Form_QueryUnload(int &Cancel, int UnloadMode) override;
    void VScroll1_Change();

    void txtName_Change();
    void txtAuth_Change();
    void txtMail_Change();
    void txtDesc_Change();
    void txtCongr_Change();
    void txtCaves_Change();

    void imgBCave_Click(int Index);
    void imgBCave_MouseDown(int Index, int Button, int Shift, float X, float Y);
    void imgBCave_MouseUp(int Index, int Button, int Shift, float X, float Y);
    // A press on a caption looks and acts like a press on its face.
    void lblCave_Click(int Index);
    void lblCave_MouseDown(int Index, int Button, int Shift, float X, float Y);
    void lblCave_MouseUp(int Index, int Button, int Shift, float X, float Y);

    void Image1_MouseDown();
    void Image1_MouseUp();
    void Image1_Click();
    // One step of the roll-down sheet (Roll::SheetDown, Roll::SheetUp), run by the main window's roll timer.
    void SheetRollStep(int code);

    // Controls, for the store and for tests.
    PictureBox *Picture2 = nullptr;         // the roll-down sheet
    std::array<PictureBox *, 2> Picture1{}; // roll-button panel, property panel
    ImageBox *Image1 = nullptr;             // the roll button's face
    PictureBox *picCaves = nullptr;         // list frame
    PictureBox *picCavesIn = nullptr;       // list canvas
    QScrollBar *VScroll1 = nullptr;
    ImageBox *imgSel = nullptr;
    std::array<PictureBox *, 2> picButtons{};
    std::array<PictureBox *, ButtonCount> picArrow{};
    std::array<ImageBox *, ButtonCount> imgBCave{};
    std::array<VbLabel *, ButtonCount> lblCave{};
    std::array<QLabel *, 6> Label2{};

    QSize sizeHint() const override { return {448, 409}; }

protected:
    void resizeEvent(QResizeEvent *e) override;

private:
    void Form_Load();
    void buildSheet();
    void buildList();
    void buildButtons();
    void setChanged();
    void setSheetHeight(double h);
    void startSheetRoll(int code);
    bool minimized() const;

    ColHost &m_host;
};
