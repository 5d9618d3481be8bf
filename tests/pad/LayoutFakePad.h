#pragma once

#include "pad/LayoutEngine.h"
#include "pad/LayoutSurface.h"
#include "pad/LayoutSwitches.h"
#include "pad/LayoutTables.h"

#include <array>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace layouttest {

// Designed heights of the pad's kinds of control, in twips.
inline int DesignHeight(std::string_view name)
{
    if (name.starts_with("cbo"))
        return 300;
    if (name.starts_with("sb") || name.starts_with("txt"))
        return 255;
    if (name.starts_with("fra"))
        return 1500;
    return 480;
}

// A pad made of plain rectangles: the 68 positioned controls of the tables in
// the order of layout 1, with a few unpositioned ones around them.
class FakePad : public LayoutSurface {
public:
    struct Control {
        std::string Name;
        TwipRect Rect;
        bool Visible = true;
    };

    FakePad()
    {
        sub_FillLayoutTables();
        Controls.push_back({"imgTitle", {0, 0, 300, 300}, true});
        for (int row = 1; row <= kLayoutRows; ++row) {
            const std::string& name = LayoutTable[1][static_cast<size_t>(row)][kLayoutName];
            Controls.push_back({name, {0, 0, 1000, DesignHeight(name)}, true});
        }
        Controls.push_back({"imgMic", {0, 0, 2000, 3000}, false});
        Controls.push_back({"StatusBar1", {0, 0, 5000, 300}, true});
        Switches.fill(true);
    }

    int Find(std::string_view name) const
    {
        for (size_t i = 0; i < Controls.size(); ++i)
            if (Controls[i].Name == name)
                return static_cast<int>(i);
        return -1;
    }
    Control& operator[](std::string_view name) { return Controls.at(static_cast<size_t>(Find(name))); }
    const Control& operator[](std::string_view name) const { return Controls.at(static_cast<size_t>(Find(name))); }

    int ControlCount() const override { return static_cast<int>(Controls.size()); }
    std::string ControlName(int index) const override { return Controls.at(static_cast<size_t>(index)).Name; }
    bool IsControlVisible(int index) const override { return Controls.at(static_cast<size_t>(index)).Visible; }
    TwipRect ControlRect(int index) const override { return Controls.at(static_cast<size_t>(index)).Rect; }
    void SetControlRect(int index, const TwipRect& rect) override { Controls.at(static_cast<size_t>(index)).Rect = rect; }
    TwipRect FormRect() const override { return Form; }
    void SetFormRect(const TwipRect& rect) override { Form = rect; }
    int ScreenWidth() const override { return ScreenW; }
    int ScreenHeight() const override { return ScreenH; }
    int StatusBarHeight() const override { return StatusBar; }
    bool ControlVisibleEntry(int entry) const override { return Switches.at(static_cast<size_t>(entry)); }
    void SetMicroscopePictureVisible(bool visible) override { MicroscopePicture = visible; }
    void AlignPictures(int layoutType) override { AlignedFor.push_back(layoutType); }

    std::vector<Control> Controls;
    TwipRect Form{-20000, -15000, 0, 0};
    int ScreenW = 28800;
    int ScreenH = 16200;
    int StatusBar = 315;
    std::array<bool, 69> Switches{};
    std::optional<bool> MicroscopePicture;
    std::vector<int> AlignedFor;
};

struct FakeSwitches : LayoutSwitches {
    int LayoutType() const override { return Type; }
    bool ChangeGui() const override { return Change; }
    bool LayoutPending() const override { return Pending; }
    void SetLayoutPending(bool pending) override { Pending = pending; }

    int Type = 1;
    bool Change = true;
    bool Pending = true;
};

// Applies a layout to the pad the way the pad's activation does.
inline void ApplyLayout(FakePad& pad, int type)
{
    FakeSwitches switches;
    switches.Type = type;
    LayoutEngine engine(pad, switches);
    engine.sub_SetLayout();
}

inline FakePad Laid(int type, std::initializer_list<std::string_view> hidden = {})
{
    FakePad pad;
    for (std::string_view name : hidden)
        pad[name].Visible = false;
    ApplyLayout(pad, type);
    return pad;
}

inline bool IsFrame(std::string_view name)
{
    return name.starts_with("fra");
}

// Rows of the tables, as opposed to the pictures and the status bar.
inline bool IsTableControl(std::string_view name)
{
    return !name.starts_with("img") && name != "StatusBar1";
}

} // namespace layouttest
