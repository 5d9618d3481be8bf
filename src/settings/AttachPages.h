#pragma once

class QWidget;
class SettingPage;

// The pages of the five entries of the Attach menu, each an AttachViews of
// its attach page(s) and its database page, configured here.
SettingPage* MakeAttachNosepiece(QWidget* parent);
SettingPage* MakeAttachCondenser(QWidget* parent);
SettingPage* MakeAttachFilter(QWidget* parent);
SettingPage* MakeAttachEXFilter(QWidget* parent);
SettingPage* MakeAttachBAFilter(QWidget* parent);
