#pragma once

#include "pad/LayoutSurface.h"

#include <functional>
#include <vector>

class QStatusBar;
class QWidget;

// The layout engine's view of the pad window. The engine works in twips; the
// surface keeps every control's rectangle in twips as the engine set it (so
// that nothing is lost to rounding between layouts) and places the widget at
// that rectangle in pixels (15 twips to a pixel). Push buttons stand 555
// twips apart in the tables but are 600 wide; they are drawn a gutter
// narrower than their cell so that neighbours never paint over each other.
//
// The pad's rectangle is its place on the screen, its client width and its
// client height plus one status-bar height (the room a caption takes in the
// layout's arithmetic); the status bar runs along the bottom of the client
// area.
class PadLayoutSurface : public LayoutSurface {
public:
    static constexpr int kTwipsPerPixel = 15;
    static constexpr int kButtonGutterPx = 3;
    static constexpr int kStatusBarHeightPx = 20;

    PadLayoutSurface(QWidget& form, QStatusBar& statusBar);

    // Registers a control of the pad, in the pad's order; its rectangle
    // starts as the widget stands. A gutter control is drawn narrower.
    void AddControl(QWidget& control, bool gutter);

    // The pad-specific steps the engine asks for.
    std::function<void(bool visible)> OnMicroscopePicture;
    std::function<void(int layoutType)> OnAlignPictures;

    // Index of a registered control; -1 when unknown.
    int IndexOf(const QWidget& control) const;
    QWidget& Control(int index) const { return *m_Controls.at(static_cast<std::size_t>(index)).Widget; }

    static int ToPixels(int twips);
    static int ToTwips(int pixels) { return pixels * kTwipsPerPixel; }

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
    };
    void Apply(const Entry& entry) const;
    void PlaceStatusBar() const;

    QWidget& m_Form;
    QStatusBar& m_StatusBar;
    std::vector<Entry> m_Controls;
};
