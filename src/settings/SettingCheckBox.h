#pragma once

#include <QCheckBox>

// The check box of the settings pages: ticked for True and grey for False,
// never empty, so that a False the page shows cannot be taken for a box the
// program left unset. A click switches between the two.
class SettingCheckBox : public QCheckBox {
public:
    explicit SettingCheckBox(QWidget* parent = nullptr);

    bool Value() const { return checkState() == Qt::Checked; }
    void SetValue(bool value) { setCheckState(value ? Qt::Checked : Qt::PartiallyChecked); }

protected:
    void nextCheckState() override;
};
