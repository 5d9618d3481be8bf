#pragma once

#include "core/mdlLanguage.h"

#include <QFont>

class QWidget;

// Gives the language file's font to the controls below root that show text in
// the window font: labels, text boxes, frames, option buttons, list boxes,
// list views, drop-down lists, status bars and the pad's push buttons,
// multi-state buttons and scroll bars. Other controls (check boxes, plain push
// buttons, spin controls, ...) keep their fonts, also when they sit inside a
// frame that changes. root itself is not changed.
//
// With an empty font name nothing changes: the windows keep their design
// fonts. A size of 0 or less keeps each control's size, since Qt has no
// zero-point font; the character set is left to Qt, which picks glyphs by
// script.
void sub_ApplyFont(QWidget* root, const FontInfo& font);

// `base` with the language file's font (name, bold, italic, and the size
// when above 0); `base` itself with an empty font name.
QFont func_LanguageFont(QFont base, const FontInfo& font);
