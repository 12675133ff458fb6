#pragma once

#include "common/caverecord.h"
#include "common/freetag.h"
#include "common/tools.h"
#include "editor/cavehost.h"
#include "shell/colhost.h"
#include "toolkit/imagebox.h"
#include "toolkit/picture.h"
#include "toolkit/picturebox.h"
#include "toolkit/vblabel.h"
#include "toolkit/vbshape.h"
#include "toolkit/vbtimer.h"

#include <QByteArray>
#include <QMainWindow>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

class QAction;
class QMdiArea;
class QMenu;
class frmCave;
class frmCol;
class frmSize;
struct SetFileData;

// The main window: the MDI frame with its tool bar, object bar and menus. It
// owns the open set, the chamber windows, the set window and the palette
// state the chamber windows read.
class frmMain : public QMainWindow, public CaveHost, public ColHost
{
    Q_OBJECT
public:
    explicit frmMain(QWidget *parent = nullptr);
    ~frmMain() override;

    QMdiArea *mdiArea() const { return m_mdi; }

    // ---- open set and chamber windows ----
    QString FileName; // "*" while the set is untitled
    uint8_t NumCaves = 0;
    bool Changed = false;
    QString AppPath;
    QByteArray CollFlag;
    std::array<QByteArray, 101> CaveData{};
    std::array<bool, 101> Allowed{};
    uint8_t MaxCaveWindow = 0;
    // Slot i of the window table; the first access creates a free, hidden window.
    frmCave *Caves(int i);
    // The windows of slots 1 to MaxCaveWindow that hold a chamber, in slot order.
    std::vector<frmCave *> BoundCaves();
    // The first of them that holds chamber no, or null; a free window keeps its
    // last number and is never found.
    frmCave *BoundCave(int no);
    void SaveCave(const QByteArray &cave, int no) override;
    // The chamber strings of these windows, in their order, for the caller to store. For the
    // first window whose chamber has none, the user reads which chamber, why, and `stopped`
    // (what did not happen), and there are none: the caller then changes nothing.
    std::optional<QList<QByteArray>> StorableCaves(const std::vector<frmCave *> &windows,
                                                   const QString &stopped);
    // Moves these windows' chambers by shift numbers and stores each; false, with nothing
    // changed, where one of them has no chamber string (as StorableCaves says).
    bool StoreCaves(const std::vector<frmCave *> &windows, int shift, const QString &stopped);
    void OpenCave(const QByteArray &cave, int no);
    void ShowCave(int no) override;

    // ---- set window and size dialog (created once, on first use) ----
    frmCol *SetWindow();
    frmSize *SizeDialog() override;

    // ---- palette and button objects ----
    // picSel's index is the mouse button (Vb::LeftButton, Vb::RightButton) whose
    // object it holds; CloneBuffer, hidden, holds what the cloning pencil paints.
    std::array<ImageBox *, 36> imgS{};
    std::array<ImageBox *, CloneBuffer + 1> picSel{};
    std::array<Picture, 10> imgZor{}; // hero variants 1..9
    void imgS_MouseDown(int Index, int Button, int Shift, float X, float Y);
    void Image5_Click();
    void imgSDog_Click(int Index);
    void mnuH_Click(int Index) override;
    void mnuI_Click(int Index);

    // ---- tool bar and cloning source ----
    uint8_t Nastroj = ToolPencil;
    // The tile size in pixels Dil starts at; a chamber window without the main window draws at it too.
    static constexpr uint8_t DefaultTileSize = 26;
    // The height of one frame of the tool bar's and the stacks' button strips.
    static constexpr float ButtonFrame = 28;
    uint8_t Dil = 0;
    void imgTool_Click(int Index);
    // Shows or hides the clone markers in the window that holds the clone point.
    void ShowCloneMarkers(bool visible);
    void SetClonePoint(float XX, float YY, uint8_t f) override;
    void GetCD(float XX, float YY) override;

    // Decoration strips; a maximised chamber window shows imgG3, 7, 8 and 9.
    std::array<ImageBox *, 10> imgG{};

    // ---- roll animations ----
    VbTimer *tmrRoll = nullptr;
    void tmrRoll_Timer();
    // Writes the roll code into the timer's tag and starts it.
    void startRoll(int code) override;
    void stopRoll() override;
    bool rollRunning() const override;
    void ShowObjBar();
    void HideObjBar();

    // ---- chamber list operations ----
    void AddCave(int no) override;
    void DelCave(int no) override;
    void MoveCave(int no, int offset) override;
    uint8_t CaveCount() const override { return NumCaves; }

    // ---- set file, set lifecycle and commands ----
    // Each returns whether the file was written or read; a refusal has been shown.
    bool SaveCollection(const QString &fn);
    bool OpenCollection(const QString &fn);
    bool JoinCollection(const QString &fn);
    bool CloseCollection();
    void NewCollection();
    void mnuNew_Click();
    void mnuOpen_Click();
    void mnuSave_Click();
    void mnuSaveAs_Click();
    void mnuEnd_Click();
    void mnuJoin_Click();
    void mnuTile_Click();
    void mnuHelp_Click();
    void MDIForm_QueryUnload(int &Cancel, int UnloadMode);

    // ---- what a chamber window asks of its host (frmmain_caves.cpp) ----
    QMdiArea *CaveArea() const override { return m_mdi; }
    int Tool() const override { return Nastroj; }
    uint8_t TileSize() const override { return Dil; }
    ImageBox *ButtonObject(int button) const override;
    const Picture *ObjectPicture(int k) const override;
    Picture HeroPicture(int d) const override;
    void ShowMaximisedStrips(bool shown) override;
    void SetChanged() override { Changed = true; }
    void SetRowName(int no, const QString &name) override;

protected:
    void closeEvent(QCloseEvent *e) override;

private:
    void MDIForm_Load();

    QMdiArea *m_mdi = nullptr;
    std::array<frmCave *, 151> m_caves{};
    frmCol *m_col = nullptr;
    frmSize *m_size = nullptr;

    // ---- frame, palette, tool bar, menus and roll animations (frmmain.cpp) ----
    void buildFrame();
    void buildToolBar();
    void buildObjectBar();
    void buildPalette();
    void buildMenus();
    void layoutClient();
    void fillWindowsMenu();
    void imgList_Click();
    void imgList_MouseDown(int Button, int Shift, float X, float Y);
    void imgList_MouseUp(int Button, int Shift, float X, float Y);
    void Label2_Click();
    void Label2_MouseDown(int Button, int Shift, float X, float Y);
    void Label2_MouseUp(int Button, int Shift, float X, float Y);
    void Label1_Click();
    void Label4_Click();
    void Label6_Click();
    void Label8_Click();
    void Image1_Click();
    void Image3_Click();
    void Image2_Click();
    void Image4_Click();
    void groupRollStep(int code);
    void barRollStep(int code);

    QWidget *m_client = nullptr;
    PictureBox *picTools = nullptr;
    PictureBox *Picture2 = nullptr; // the tool bar's row: the set button and the tool buttons
    PictureBox *Picture5 = nullptr; // the tool buttons' panel
    ImageBox *imgList = nullptr;
    VbLabel *Label2 = nullptr;
    std::array<ImageBox *, ToolCount> imgTool{};
    PictureBox *Picture1 = nullptr; // the object bar along the left, its width rolled
    PictureBox *picObj = nullptr;
    PictureBox *Picture4 = nullptr; // the left button's well
    PictureBox *Picture6 = nullptr; // the right button's well
    VbShape *Shape1 = nullptr;      // the left button's frame
    VbShape *Shape2 = nullptr;      // the right button's frame
    ImageBox *Image5 = nullptr;     // swaps the left and the right button's objects
    // The groups in screen order: Picture8..11 with their header labels
    // (Label1, 4, 6, 8), arrows (Image1, 3, 2, 4) and frames (Shape3..6).
    std::array<PictureBox *, 4> m_group{};
    std::array<VbLabel *, 4> m_groupLabel{};
    std::array<ImageBox *, 4> m_groupArrow{};
    std::array<VbShape *, 4> m_groupFrame{};
    std::array<PictureBox *, 4> Picture7{};
    std::array<ImageBox *, 4> imgSDog{};
    Picture imgA1; // collapsed group arrow
    Picture imgA2; // expanded group arrow
    QMenu *mnuFile = nullptr;
    QMenu *mnuEdit = nullptr;
    QMenu *mnuWindows = nullptr;
    QAction *mnuTile = nullptr;
    QMenu *mnuDog = nullptr;
    std::array<QAction *, 10> mnuH{};
    QMenu *mnuInsect = nullptr;
    std::array<QAction *, 5> mnuI{};
    QString mnuInsectTag;
    std::array<uint8_t, 2> InsectDir{};

    // ---- tool bar and cloning source (frmmain_caves.cpp) ----
    // The slot of Caves whose window holds the clone point, whatever chamber it holds now.
    int CloneCave = 0;
    float CloneX = 0, CloneY = 0; // the clone point, a cell
    // The target cell of the first fetch after the clone point was set.
    float StrokeStartX = 0, StrokeStartY = 0;
    bool StrokeStarted = false;

    // ---- chamber list operations (frmmain_list.cpp) ----
    // The bound windows whose chambers a list operation renumbers: numbers no and above.
    std::vector<frmCave *> BoundCavesFrom(int no);

    // ---- set file, set lifecycle and commands (frmmain_file.cpp) ----
    void LoadSet(const SetFileData &set);
    bool SaveCommand();
    bool SaveAsCommand();
    QString DefaultSavePath();
};
