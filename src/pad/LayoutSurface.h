#pragma once

#include <string>

// A rectangle in twips. Controls use the pad's client coordinates, the pad
// itself uses screen coordinates.
struct TwipRect {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;

    int Right() const { return Left + Width; }
    int Bottom() const { return Top + Height; }
    bool operator==(const TwipRect&) const = default;
};

// What the layout engine needs from the pad window. The pad implements it on
// its real widgets; tests implement it on plain rectangles. Controls are
// addressed by their index in the pad's own order, which is the order the
// engine searches them by name.
class LayoutSurface {
public:
    virtual ~LayoutSurface() = default;

    // The pad's controls, in the pad's own order.
    virtual int ControlCount() const = 0;
    virtual std::string ControlName(int index) const = 0;
    // The control's own visibility (whether the pad shows it), independent of
    // whether the pad window itself is on screen.
    virtual bool IsControlVisible(int index) const = 0;
    virtual TwipRect ControlRect(int index) const = 0;
    virtual void SetControlRect(int index, const TwipRect& rect) = 0;

    // The pad window's outer rectangle on the screen.
    virtual TwipRect FormRect() const = 0;
    virtual void SetFormRect(const TwipRect& rect) = 0;
    virtual int ScreenWidth() const = 0;
    virtual int ScreenHeight() const = 0;
    virtual int StatusBarHeight() const = 0;

    // The program's per-control display switch (ControlVisible); the engine
    // reads the frame entries 64 (fraDIA), 65 (fraFluorescence), 66 (fraTIRF).
    virtual bool ControlVisibleEntry(int entry) const = 0;

    // Shows or hides the microscope picture imgMic.
    virtual void SetMicroscopePictureVisible(bool visible) = 0;
    // The pad's own alignment of the pictures that are not table rows (the
    // title image inside picTittle, imgMic beside the controls), run after
    // the controls have their final places and before the window is sized.
    virtual void AlignPictures(int layoutType) = 0;
};
