#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

// Lets a burst of changes reach the screen at most once per frame of the
// screen. The first change after a quiet frame is shown at once; changes that
// follow within the same frame are gathered and shown together when the frame
// ends. An axis reports its position many times a second while it travels;
// the readouts follow it without painting more often than the screen can
// show.
class FrameThrottle : public QObject {
    Q_OBJECT
public:
    FrameThrottle(std::function<void()> show, QObject* parent = nullptr);

    // Something changed: show it now, or at the end of the current frame.
    void Request();
    // Shows what is pending now (before reading the controls).
    void Flush();
    bool Pending() const { return m_Pending; }

    // The length of one frame of the primary screen (60 Hz when unknown).
    static int FramePeriodMs();

private:
    void Show();
    void FrameEnded();

    std::function<void()> m_Show;
    QTimer m_Frame;
    bool m_Pending = false;
};
