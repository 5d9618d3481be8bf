#pragma once

#include <QObject>

#include <cstdint>
#include <functional>
#include <optional>

class QEvent;

// The pad's keyboard hook: an application-wide event filter that sees every
// key of the program's windows and hands a key press to the pad while the
// pad is the active window. A latch makes a held key act once: the first
// press is handed over and sets it; auto-repeated presses pass while it is
// set; the next real release of any key clears it. Keys always go on to the
// window they were meant for.
// The X server repeats a held key as a release and a press with the same
// time stamp, and Qt marks the pair as a repeat only when the press is
// already queued behind the release; so a release only clears the latch
// once a press follows with another time stamp.
// Escape is the program's stop key in every one of its windows, active pad
// or not: when it stopped something it goes no further (a dialog it was
// pressed in stays open); when nothing moved it goes on as usual.
class clsPadKeyboard : public QObject {
    Q_OBJECT
public:
    using Enabled = std::function<bool()>;
    using KeyDown = std::function<void(int virtualKey)>;
    // Stops what moves; whether anything did.
    using Escape = std::function<bool()>;

    clsPadKeyboard(Enabled enabled, KeyDown keyDown, Escape escape = {}, QObject* parent = nullptr);
    ~clsPadKeyboard() override;

    // Installs the filter on the application; returns its handle (never 0).
    std::intptr_t Install();
    void Remove();
    bool Installed() const { return m_Installed; }
    bool Latched() const { return m_Latched && !m_ReleasedAt; }

    // The virtual-key number of a Qt key: 33..40 for PageUp, PageDown, End,
    // Home, Left, Up, Right, Down; 116..123 for F5..F12; 0 for any other.
    static int func_VirtualKey(int qtKey);
    // The index of a virtual key in the shortcut table (the order of the
    // settings file's keys), -1 for a key without a shortcut.
    static int func_ShortcutIndex(int virtualKey);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Enabled m_Enabled;
    KeyDown m_KeyDown;
    Escape m_Escape;
    bool m_Installed = false;
    bool m_Latched = false;
    // The time stamp of the release that may end the latch (0 is no time).
    std::optional<unsigned long> m_ReleasedAt;
};
