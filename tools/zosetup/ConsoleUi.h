#pragma once

#include "core/UiServices.h"

#include <iosfwd>

// The user-interface services of a command-line tool: a message box becomes
// its text on a stream (one line per line of the box) and is answered at once
// with Yes or OK; pointer, input flush, progress and waits do nothing.
class ConsoleUi : public UiServices {
public:
    explicit ConsoleUi(std::ostream& out) : m_Out(&out) {}

    // Where the next boxes are printed.
    void SetStream(std::ostream& out) { m_Out = &out; }
    // How many boxes have been shown so far.
    int BoxCount() const { return m_Boxes; }

    int ShowMessageBox(const std::string& text, int style) override;
    void SetBusyPointer(bool) override {}
    void FlushInput() override {}
    void SetProgress(int) override {}
    void Sleep(int) override {}
    void RefreshAllLanguage() override {}

private:
    std::ostream* m_Out;
    int m_Boxes = 0;
};
