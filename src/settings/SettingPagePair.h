#pragma once

#include "settings/SettingPageContainer.h"

#include <string>

class QPushButton;
class QStackedLayout;

// A page made of two sub-pages ("Page1", "Page2") of which one shows at a
// time, and the button btnPage that swaps them; its caption names where it
// leads ("next" on the first, "previous" on the second).
class SettingPagePair : public SettingPageContainer {
public:
    explicit SettingPagePair(QWidget* parent = nullptr);

    // Where the sub-pages go: make them with this parent.
    QWidget* PageArea() const { return m_Area; }
    // Takes the two sub-pages and the language texts of btnPage.
    void SetPages(SettingPage* first, SettingPage* second, const std::string* next, const std::string* previous);
    int ShownIndex() const { return m_Shown; }
    void btnPage_Click();

    void sub_RefreshLanguage() override;

private:
    QWidget* m_Area = nullptr;
    QStackedLayout* m_Stack = nullptr;
    QPushButton* btnPage = nullptr;
    const std::string* m_Next = nullptr;
    const std::string* m_Previous = nullptr;
    int m_Shown = 0;
};
