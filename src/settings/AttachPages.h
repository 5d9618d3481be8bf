#pragma once

class SettingPage;

// The pages of the five entries of the Attach menu, each an AttachViews of
// its attach page(s) and its database page, configured here.
SettingPage* MakeAttachNosepiece();
SettingPage* MakeAttachCondenser();
SettingPage* MakeAttachFilter();
SettingPage* MakeAttachEXFilter();
SettingPage* MakeAttachBAFilter();
