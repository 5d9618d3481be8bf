#pragma once

#include "settings/SettingPage.h"

#include <functional>
#include <vector>

class QBoxLayout;
class QButtonGroup;
class QLabel;
class QRadioButton;
class QVBoxLayout;
class clsPositionCodes;

// What an attach page has in common: one option button per position of its
// device (optPort0..), the position selected, and the model code stored for
// it in the component that the page edits.
class AttachPortCtl : public SettingPage {
public:
    // `device` gives the clsZo::IsMounted index of the device whose positions
    // the page shows, `codes` the component that keeps their model codes.
    AttachPortCtl(std::function<int()> device, std::function<clsPositionCodes&()> codes, QWidget* parent = nullptr);

    // Position selected, 0-based.
    int Position() const { return m_Position; }
    void optPort_Click(int position);

    void sub_RefreshLanguage() override;
    // Devices came or went: the position is shown again.
    void sub_RefreshForm() override { sub_ShowPosition(); }

protected:
    // Sets as many position buttons as the component has positions and
    // selects the position the device stands at.
    void sub_LoadPositions();
    // Shows the assignment of the selected position.
    virtual void sub_ShowPosition() = 0;

    clsPositionCodes& Codes() const { return m_Codes(); }
    int Device() const { return m_Device(); }
    QRadioButton* Port(int position) const;
    // The row of the position buttons, for what a page puts beside them.
    QBoxLayout* PortRow() const { return m_PortRow; }
    QVBoxLayout* Body() const { return m_Body; }
    // The entry of a model list that stands for no model.
    static QString NoModelText();

private:
    std::function<int()> m_Device;
    std::function<clsPositionCodes&()> m_Codes;
    QLabel* lblSelect;
    std::vector<QRadioButton*> optPort;
    QButtonGroup* m_Ports;
    QBoxLayout* m_PortRow;
    QVBoxLayout* m_Body;
    int m_Position = 0;
};
