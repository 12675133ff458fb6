// The chamber window's mouse: the dispatch of a stroke to the chosen tool, and the tools.
#include "editor/frmcave.h"

#include "common/tools.h"
#include "rules/drawtools.h"
#include "toolkit/vbevents.h"

#include <QMdiSubWindow>
#include <QStyle>

#include <algorithm>
#include <cmath>

namespace {

const QString BusyMark = QStringLiteral(" - Pracuje se...");

// The cell character a mouse button's object writes: a blank when it has none.
char buttonChar(const ImageBox *obj)
{
    return obj && !obj->Tag.isEmpty() ? obj->Tag.at(0) : ' ';
}

} // namespace

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
    switch (m_host.Tool()) {
    case ToolPencil: PencilTool(X, Y, Button, Shift); break;
    case ToolLine:
        if (phase == Press)
            LineStart(X, Y, Button);
        else if (phase == Move)
            LinePreview(X, Y, Button);
        else
            LineCommit(X, Y, Button);
        break;
    case ToolClone:
        if (phase != Release)
            CloneTool(X, Y, Button);
        break;
    case ToolRectangle:
        if (phase == Press)
            RectStart(X, Y, Button);
        else if (phase == Move)
            RectPreview(X, Y, Button);
        else
            RectCommit(X, Y, Button);
        break;
    case ToolFill:
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

// A hidden window takes no mouse input: a release after Esc draws nothing.
void frmCave::picCave_MouseDown(int Button, int Shift, double X, double Y)
{
    if (!Visible())
        return;
    if ((Button == Vb::LeftButton || Button == Vb::RightButton) && hasCells())
        dispatch(Press, PixelToCellX(X), PixelToCellY(Y), Button, Shift);
}

void frmCave::picCave_MouseMove(int Button, int Shift, double X, double Y)
{
    if (!Visible())
        return;
    if (Check1->isChecked()) {
        PointerX = picCave->x() + X;
        PointerY = picCave->y() + Y;
        ScrollGain = 1;
    }
    if ((Button != Vb::LeftButton && Button != Vb::RightButton) || !hasCells())
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
    if (!Visible())
        return;
    if ((Button == Vb::LeftButton || Button == Vb::RightButton) && hasCells())
        dispatch(Release, PixelToCellX(X), PixelToCellY(Y), Button, Shift);
}

void frmCave::SetCell(int X, int Y, int Button)
{
    setChanged();
    const ImageBox *obj = m_host.ButtonObject(Button);
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
    const char c = buttonChar(m_host.ButtonObject(Button));
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
    return Button == Vb::LeftButton ? QColor(255, 255, 127) : QColor(127, 255, 255);
}

// A press starts a line or rectangle stroke at its cell; a press while one
// runs cancels it.
void frmCave::dragStart(int X, int Y, int Button, CaveShape &mark, void (frmCave::*preview)(int, int, int))
{
    if (!Dragging) {
        DragX1 = DragX2 = X;
        DragY1 = DragY2 = Y;
        Dragging = true;
        (this->*preview)(X, Y, Button);
        mark.setColor(previewColour(Button));
    } else {
        Dragging = false;
        mark.setVisible(false);
    }
}

// A release sets the stroke's cells, from its anchor to the cell of the latest
// preview: the release's own cell is not used.
void frmCave::dragCommit(int Button, CaveShape &mark, DrawTools::Cells (*cells)(int, int, int, int))
{
    if (!Dragging)
        return;
    for (const auto &cell : cells(static_cast<int>(DragX1), static_cast<int>(DragY1),
                                  static_cast<int>(DragX2), static_cast<int>(DragY2)))
        SetCell(cell.x, cell.y, Button);
    mark.setVisible(false);
    Dragging = false;
}

void frmCave::LineStart(int X, int Y, int Button)
{
    dragStart(X, Y, Button, picCave->LineLine, &frmCave::LinePreview);
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
    dragCommit(Button, picCave->LineLine, DrawTools::LineCells);
}

void frmCave::RectStart(int X, int Y, int Button)
{
    dragStart(X, Y, Button, picCave->shpRect, &frmCave::RectPreview);
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
    dragCommit(Button, picCave->shpRect, DrawTools::RectCells);
}

void frmCave::CloneTool(int X, int Y, int Button)
{
    if (Button == Vb::RightButton) {
        m_host.SetClonePoint(static_cast<float>(X), static_cast<float>(Y), static_cast<uint8_t>(Tag.toInt()));
        return;
    }
    m_host.GetCD(static_cast<float>(X), static_cast<float>(Y));
    const ImageBox *buffer = m_host.ButtonObject(CaveHost::CloneBuffer);
    if (buffer && buffer->Tag != NoCell)
        PencilTool(X, Y, CaveHost::CloneBuffer, 0);
}
