#pragma once

#include "settings/SettingPageContainer.h"

#include <functional>
#include <string>
#include <vector>

// The pages of one entry of the Attach menu: what is mounted on the device's
// positions and the user entries of its model database (the filter turrets
// have a page per turret), one shown at a time, with the view buttons
// optView0.. that switch between them. Which page a button leads to is the
// Attach container's decision (AttachMainCtl).
class AttachViews : public SettingPageContainer {
public:
    struct View {
        int page;         // the page's number in the Attach container
        const char* name; // its object name
        std::function<const std::string&()> caption; // language text of its view button
        std::function<SettingPage*(QWidget* parent)> create;
        std::function<bool()> enabled = nullptr; // always when empty
    };

    explicit AttachViews(std::vector<View> views, QWidget* parent = nullptr);

    bool Holds(int page) const { return Index(page) >= 0; }
    // The number of the page shown.
    int ShownPage() const { return m_Views[static_cast<std::size_t>(m_Shown)].page; }
    SettingPage* ViewPage(int page) const;
    // Shows one of its pages and loads it.
    void sub_ShowView(int page);

    // What a view button asks for: the container shows that page.
    std::function<void(int page)> RequestPage;

    // Only a page of a mounted device loads from the model.
    void sub_LoadData() override;
    void sub_RefreshLanguage() override;
    void sub_RefreshForm() override;

private:
    int Index(int page) const;
    // Captions and enabling follow the devices.
    void sub_UpdateButtons();

    std::vector<View> m_Views;
    OptionRow m_Row;
    int m_Shown = 0;
};
