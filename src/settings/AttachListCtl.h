#pragma once

#include "settings/AttachPortCtl.h"

#include <string>

class QLabel;
class QListWidget;
class clsNameDatabase;

// The attach page of a turret or wheel whose models have names only (the
// condenser, the two filter turrets, the excitation and barrier wheels): the
// position buttons and the list lstModel of every model of the database, the
// first entry ("-----") for none. Choosing an entry mounts that model on the
// position selected.
class AttachListCtl : public AttachPortCtl {
public:
    struct Setting {
        std::function<int()> device;
        std::function<clsPositionCodes&()> codes;
        std::function<const clsNameDatabase&()> database;
        const std::string* caption; // the list's label
    };

    explicit AttachListCtl(const Setting& setting, QWidget* parent = nullptr);

    void sub_LoadData() override;
    void sub_RefreshLanguage() override;
    void lstModel_Click(int row);

protected:
    void sub_ShowPosition() override;

private:
    const Setting m_Setting;
    QLabel* lblModel;
    QListWidget* lstModel;
    bool m_Updating = false;
};
