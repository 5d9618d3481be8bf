#pragma once

#include "widgets/SvgIconRegistry.h"
#include "windows/PadMemoryHost.h"

#include <QWidget>

class MemoryListCtl;
class usrMPButton;

// The TIRF window: the 20 TIRF memories (the same table as the pad's TIRF
// list) to store into after a question, move to and clear, and, with the
// ergo controller mounted, the TIRF unit's ERG switch.
class frmTIRF : public QWidget {
    Q_OBJECT
public:
    explicit frmTIRF(PadMemoryHost& host, QWidget* parent = nullptr);

    Q_INVOKABLE void sub_RefreshLanguage();
    // The pad changed the TIRF memory table: the window rebuilds its list.
    void sub_SetMemory();
    // The ERG switch was clicked: its new state goes to the TIRF unit.
    void chkERGX_Click();

    MemoryListCtl* Memories() const { return m_Memories; }
    usrMPButton* chkERGX = nullptr;

private:
    PadMemoryHost& m_Host;
    SvgIconRegistry m_Icons;
    MemoryListCtl* m_Memories = nullptr;
};
