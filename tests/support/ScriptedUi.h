#pragma once
// UI services for tests: message boxes are answered from a queue (or a
// default per style) and everything the code under test asks of the user
// interface is recorded. Install it with ScopedUi for the length of a test.

#include "core/UiServices.h"

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace zotest {

class ScriptedUi : public UiServices {
public:
    struct Box {
        std::string text;
        int style;
    };

    // The next box answers `button` (UiServices::ID_YES, ID_NO, ID_OK);
    // answers are used in the order queued.
    void QueueAnswer(int button) { answers_.push_back(button); }
    // Answer of a box of `style` when the queue is empty. Preset: Yes for
    // MB_YESNO_QUESTION, OK for every other style.
    void SetDefaultAnswer(int style, int button) { defaults_[style] = button; }

    const std::vector<Box>& Boxes() const { return boxes_; }
    std::vector<std::string> BoxTexts() const;
    // Every box as "STYLE|TEXT", to compare texts and styles at once.
    std::vector<std::string> StyledBoxes() const;
    static std::string Styled(int style, const std::string& text) { return std::to_string(style) + "|" + text; }
    const std::vector<bool>& BusyPointer() const { return busy_; } // every change, in order
    int Flushes() const { return flushes_; }
    const std::vector<int>& Progress() const { return progress_; }
    int LanguageRefreshes() const { return refreshes_; }
    // Forgets what was recorded (queued answers and defaults stay).
    void ClearRecord();

    // Also writes every box ("box TEXT"), busy-pointer change ("busy on",
    // "busy off"), input flush ("flush input") and wait ("sleep MS") into
    // `log`, in the order they happen (nullptr: no log).
    void LogTo(std::vector<std::string>* log) { log_ = log; }
    std::function<void()> onSleep; // runs at every wait, after it is recorded

    int ShowMessageBox(const std::string& text, int style) override;
    void SetBusyPointer(bool busy) override;
    void FlushInput() override;
    void SetProgress(int value) override { progress_.push_back(value); }
    void Sleep(int milliseconds) override;
    void RefreshAllLanguage() override { ++refreshes_; }
    void SetStandardTextsLocale(const std::string& locale) override { standardTextsLocale_ = locale; }
    const std::string& StandardTextsLocale() const { return standardTextsLocale_; }

private:
    void Log(const std::string& entry)
    {
        if (log_)
            log_->push_back(entry);
    }

    std::vector<std::string>* log_ = nullptr;
    std::deque<int> answers_;
    std::map<int, int> defaults_{{MB_YESNO_QUESTION, ID_YES}};
    std::vector<Box> boxes_;
    std::vector<bool> busy_;
    int flushes_ = 0;
    std::vector<int> progress_;
    int refreshes_ = 0;
    std::string standardTextsLocale_;
};

// Makes `ui` the program's g_UiServices while it lives and puts the previous
// services back afterwards.
class ScopedUi {
public:
    explicit ScopedUi(UiServices& ui) : previous_(g_UiServices) { g_UiServices = &ui; }
    ~ScopedUi() { g_UiServices = previous_; }
    ScopedUi(const ScopedUi&) = delete;
    ScopedUi& operator=(const ScopedUi&) = delete;

private:
    UiServices* previous_;
};

} // namespace zotest
