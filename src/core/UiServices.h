#pragma once

#include <string>

// What core and model need from the user interface. The application installs
// a Qt implementation; tests install a scripted one that answers message boxes
// and records everything shown.
class UiServices {
public:
    // Message-box styles and the codes of the pressed buttons.
    static constexpr int MB_OK = 0;
    static constexpr int MB_CRITICAL = 16;
    static constexpr int MB_YESNO_QUESTION = 36;
    static constexpr int ID_OK = 1;
    static constexpr int ID_YES = 6;
    static constexpr int ID_NO = 7;

    virtual ~UiServices() = default;

    // Shows text (lines separated by "\r\n") with the program's title and the
    // given style; returns the code of the pressed button.
    virtual int ShowMessageBox(const std::string& text, int style) = 0;
    // Hourglass pointer on (true) or back to normal (false).
    virtual void SetBusyPointer(bool busy) = 0;
    // Discards pending mouse input, then pending keyboard input.
    virtual void FlushInput() = 0;
    // The splash window's progress bar, 0..100.
    virtual void SetProgress(int value) = 0;
    // Waits; tests record the wait instead of sleeping.
    virtual void Sleep(int milliseconds) = 0;
    // Every open window re-applies its texts after a change of language.
    virtual void RefreshAllLanguage() = 0;
    // The toolkit's own texts (standard buttons, file dialogs) in the
    // language of a locale ("de_DE"); the toolkit's default for "" or a
    // locale it has no texts for.
    virtual void SetStandardTextsLocale(const std::string& locale) { (void)locale; }
};

// The installed services; never null once the program or a test has started.
// Set by the composition root (or a test fixture) before anything is shown.
extern UiServices* g_UiServices;

// The hourglass for the length of a scope (long operations: the start-up,
// the initialisation of every panel, applying settings).
class BusyPointer {
public:
    BusyPointer();
    ~BusyPointer();
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
};
