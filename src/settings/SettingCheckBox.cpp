#include "settings/SettingCheckBox.h"

SettingCheckBox::SettingCheckBox(QWidget* parent) : QCheckBox(parent)
{
    setTristate(true);
    SetValue(false);
}

void SettingCheckBox::nextCheckState()
{
    SetValue(!Value());
}
