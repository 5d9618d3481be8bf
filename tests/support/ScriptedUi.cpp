#include "ScriptedUi.h"

namespace zotest {

int ScriptedUi::ShowMessageBox(const std::string& text, int style)
{
    Log("box " + text);
    boxes_.push_back({text, style});
    if (!answers_.empty()) {
        const int answer = answers_.front();
        answers_.pop_front();
        return answer;
    }
    const auto it = defaults_.find(style);
    return it != defaults_.end() ? it->second : ID_OK;
}

void ScriptedUi::SetBusyPointer(bool busy)
{
    busy_.push_back(busy);
    Log(busy ? "busy on" : "busy off");
}

void ScriptedUi::FlushInput()
{
    ++flushes_;
    Log("flush input");
}

void ScriptedUi::Sleep(int milliseconds)
{
    Log("sleep " + std::to_string(milliseconds));
    if (onSleep)
        onSleep();
}

std::vector<std::string> ScriptedUi::BoxTexts() const
{
    std::vector<std::string> texts;
    for (const Box& box : boxes_)
        texts.push_back(box.text);
    return texts;
}

std::vector<std::string> ScriptedUi::StyledBoxes() const
{
    std::vector<std::string> boxes;
    for (const Box& box : boxes_)
        boxes.push_back(Styled(box.style, box.text));
    return boxes;
}

void ScriptedUi::ClearRecord()
{
    boxes_.clear();
    busy_.clear();
    flushes_ = 0;
    progress_.clear();
    refreshes_ = 0;
}

} // namespace zotest
