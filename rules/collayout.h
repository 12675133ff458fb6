#pragma once

// The set window's layout worked out from its sizes alone, so that every
// threshold can be checked without a window. All values are pixels.
namespace ColLayout {

constexpr int FrameLeft = 8;
constexpr int FrameTop = 54;
constexpr int ScrollWidth = 9;
constexpr int Panel0Width = 304;
constexpr int Panel0Height = 20;
constexpr int Panel1Width = 193;
constexpr int Panel1Height = 20;
constexpr int SheetCollapsed = 53;
constexpr int RollPanelWidth = 48;
constexpr int RollPanelHeight = 20;
constexpr int PropPanelWidth = 340;
constexpr int PropPanelHeight = 283;
constexpr int RowHeight = 16;
// The selection bar's top while no row is selected: above the list, out of sight.
constexpr int HiddenSelTop = -48;
// Below this roll-button Top an expanded sheet is too low and rolls up.
constexpr int RollUpBelow = 304;

struct Input
{
    int W = 0;
    int H = 0;
    bool minimized = false;
    int numCaves = 0;
    int canvasHeight = 0;
    int canvasTop = 0;
    int scrollValue = 0;
    int scrollMax = 0;
    int scrollLeft = 0;
    double sheetHeight = SheetCollapsed;
    bool rollRunning = false;
    double propPanelTop = 6;
};

struct Layout
{
    bool changed = false; // false: the window is minimised, nothing to do
    bool listVisible = false;
    int frameWidth = 0;  // outer
    int frameHeight = 0; // outer; only when listVisible
    int frameInnerHeight = 0;
    bool listLaidOut = false; // steps 7 to 9 ran
    bool sideBySide = false;
    int scrollLeft = 0;
    int scrollMax = 0;
    int scrollValue = 0;
    int scrollHeight = 0;
    int canvasTop = 0;
    int canvasWidth = 0;
    int panel0Left = 0, panel0Top = 0;
    int panel1Left = 0, panel1Top = 0;
    bool sheetFitted = false; // the expanded sheet was fitted to the window
    double sheetHeight = SheetCollapsed;
    double rollPanelTop = 0;
    bool startRollUp = false;
    double propPanelTop = 6;
    int rollPanelLeft = 0;
    int propPanelLeft = 0;
    int selWidth = 0;
};

Layout Arrange(const Input &in);

} // namespace ColLayout
