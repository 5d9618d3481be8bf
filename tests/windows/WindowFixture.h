#pragma once
// The stage and TIRF windows opened from the pad as a user opens them (the
// built-in microscope's pad is loaded first when none is).

#include "pad/PadFixture.h"

#include <QListWidget>

namespace zotest {

class WindowTest : public PadTest {
protected:
    frmStage& Stage()
    {
        if (!pad)
            Load();
        if (!pad->StageWindow())
            Click("picStage");
        return *pad->StageWindow();
    }
    frmTIRF& TIRF()
    {
        if (!pad)
            Load();
        if (!pad->TIRFWindow() || !pad->TIRFWindow()->isVisible())
            Click("picTIRFAngle");
        return *pad->TIRFWindow();
    }

    template <class Kind = QWidget>
    static Kind* In(QWidget& window, const char* name)
    {
        Kind* control = window.findChild<Kind*>(name);
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    // A user's choice in a list: that slot alone, or several with Ctrl held.
    static void Pick(QWidget& window, const char* list, std::initializer_list<int> chosen)
    {
        auto* l = In<QListWidget>(window, list);
        l->clearSelection();
        for (int slot : chosen)
            l->item(slot)->setSelected(true);
    }
    static std::string Item(QWidget& window, const char* list, int slot)
    {
        return In<QListWidget>(window, list)->item(slot)->text().toStdString();
    }
    static void Press(QWidget& window, const char* button) { In<usrPButton>(window, button)->click(); }
    static bool Enabled(QWidget& window, const char* control) { return In(window, control)->isEnabled(); }
};

} // namespace zotest
