#include "ScriptedUi.h"

namespace zotest {

int ScriptedUi::ShowMessageBox(const std::string& text, int style)
{
    boxes_.push_back({text, style});
    if (!answers_.empty()) {
        const int answer = answers_.front();
        answers_.pop_front();
        return answer;
    }
    const auto it = defaults_.find(style);
    return it != defaults_.end() ? it->second : ID_OK;
}

std::vector<std::string> ScriptedUi::BoxTexts() const
{
    std::vector<std::string> texts;
    for (const Box& box : boxes_)
        texts.push_back(box.text);
    return texts;
}

void ScriptedUi::ClearRecord()
{
    boxes_.clear();
    busy_.clear();
    flushes_ = 0;
    progress_.clear();
    sleeps_.clear();
    refreshes_ = 0;
}

} // namespace zotest
