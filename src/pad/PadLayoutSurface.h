#pragma once

#include "pad/LayoutSurface.h"
#include "widgets/Twips.h"

#include <QRect>

#include <functional>
#include <string>
#include <vector>

class QStatusBar;
class QWidget;

// The layout engine's view of the pad window. The engine works in twips; the
// surface keeps every control's rectangle in twips as the engine set it (so
// that nothing is lost to rounding between layouts) and places the widget at
// that rectangle in pixels (15 twips to a pixel).
//
// What the widget paints may be narrower than its cell: buttons stand 555
// twips apart in the tables but are 600 wide, and scroll bars end where the
// next control begins, so both are drawn a gutter narrower. Where a table
// still lets a control run into the next one on its line, or into a group
// frame it does not belong to, TrimOverlaps() ends the painted width short
// of it; the cell the engine set stays as it was.
//
// The pad's rectangle is its place on the screen, its client width and its
// client height plus one status-bar height (the room a caption takes in the
// layout's arithmetic); the status bar runs along the bottom of the client
// area.
class PadLayoutSurface : public LayoutSurface {
public:
    static constexpr int kTwipsPerPixel = Twips::kPerPixel;
    static constexpr int kButtonGutterPx = 3;
    static constexpr int kStatusBarHeightPx = 20;

    PadLayoutSurface(QWidget& form, QStatusBar& statusBar);

    // Registers a control of the pad, in the pad's order; its rectangle
    // starts as the widget stands. A gutter control is drawn narrower. A
    // frame is drawn behind the controls of its group; group is the index
    // of the frame a control belongs to (-1 none).
    void AddControl(QWidget& control, bool gutter, bool frame = false, int group = -1);
    // Shortens the painted width of shown controls that would run into a
    // shown control to their right on the same line, or into a frame of
    // another group (never below half the cell). Run after a layout.
    void TrimOverlaps();

    // The pad-specific steps the engine asks for.
    std::function<void(bool visible)> OnMicroscopePicture;
    std::function<void(int layoutType)> OnAlignPictures;

    // Index of a registered control; -1 when unknown.
    int IndexOf(const QWidget& control) const;
    QWidget& Control(int index) const { return *m_Controls.at(static_cast<std::size_t>(index)).Widget; }

    static int ToPixels(int twips);
    static int ToTwips(int pixels) { return Twips::ToTwips(pixels); }

    int ControlCount() const override;
    std::string ControlName(int index) const override;
    bool IsControlVisible(int index) const override;
    TwipRect ControlRect(int index) const override;
    void SetControlRect(int index, const TwipRect& rect) override;
    TwipRect FormRect() const override;
    void SetFormRect(const TwipRect& rect) override;
    int ScreenWidth() const override;
    int ScreenHeight() const override;
    int StatusBarHeight() const override;
    bool ControlVisibleEntry(int entry) const override;
    void SetMicroscopePictureVisible(bool visible) override;
    void AlignPictures(int layoutType) override;

private:
    struct Entry {
        QWidget* Widget;
        TwipRect Rect;
        bool Gutter;
        bool Frame;
        int Group;
        // The layout looks controls up by name row after row; the name is
        // fixed before the control is added.
        std::string Name;
    };
    static constexpr int kTrimGapPx = 2;
    // The rectangle the widget takes for its cell, before any trim.
    QRect Painted(const Entry& entry) const;
    void Apply(const Entry& entry) const;
    void PlaceStatusBar() const;

    QWidget& m_Form;
    QStatusBar& m_StatusBar;
    std::vector<Entry> m_Controls;
};
