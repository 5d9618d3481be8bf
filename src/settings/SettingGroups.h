#pragma once

#include <vector>

class QWidget;
class SettingPageGroup;

// The six page groups of the settings dialog, in the order of its option
// buttons: Attach, Connect, Mode, Key, Observation, Other. This is the one
// place where pages are registered: a page is one entry of its group.
std::vector<SettingPageGroup*> CreateSettingGroups(QWidget* parent);
