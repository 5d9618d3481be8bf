#include "ConsoleUi.h"

#include <ostream>

int ConsoleUi::ShowMessageBox(const std::string& text, int style)
{
    ++m_Boxes;
    std::string lines;
    lines.reserve(text.size() + 1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue; // the box's CR LF becomes the stream's line break
        lines += text[i];
    }
    *m_Out << lines << '\n' << std::flush;
    return style == MB_YESNO_QUESTION ? ID_YES : ID_OK;
}
