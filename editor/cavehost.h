#pragma once

#include "toolkit/picture.h"

#include <QByteArray>
#include <QString>

#include <cstdint>

class ImageBox;
class QMdiArea;
class frmSize;

// All a chamber window may ask of the window that hosts it: where it lives, the tool and tile size it
// draws with, the objects of the palette and of the mouse buttons, the open set it stores its chamber
// into, the cloning source and the size dialog. The main window implements it.
class CaveHost
{
public:
    // The ButtonObject that holds what the cloning pencil paints, beside the left and the right button's.
    static constexpr int CloneBuffer = 3;

    // The area the chamber windows are children of.
    virtual QMdiArea *CaveArea() const = 0;

    // ---- drawing ----
    virtual int Tool() const = 0;
    virtual uint8_t TileSize() const = 0;
    // The object a mouse button (Vb::LeftButton, Vb::RightButton) or the clone buffer carries, or null.
    virtual ImageBox *ButtonObject(int button) const = 0;
    // The palette's picture of object k, or null for an object the palette lacks.
    virtual const Picture *ObjectPicture(int k) const = 0;
    // The picture of hero variant d (1..9), null where none is loaded.
    virtual Picture HeroPicture(int d) const = 0;
    // A map that shows hero variant d makes it the palette's hero.
    virtual void mnuH_Click(int d) = 0;
    // Shows the strips a maximised chamber window draws round it, or hides them.
    virtual void ShowMaximisedStrips(bool shown) = 0;

    // ---- the open set ----
    virtual void SetChanged() = 0;
    virtual void SaveCave(const QByteArray &cave, int no) = 0;
    virtual void SetRowName(int no, const QString &name) = 0;

    // ---- the cloning source and the size dialog ----
    virtual void SetClonePoint(float XX, float YY, uint8_t f) = 0;
    virtual void GetCD(float XX, float YY) = 0;
    virtual frmSize *SizeDialog() = 0;

protected:
    ~CaveHost() = default;
};
