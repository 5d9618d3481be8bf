#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

// Repeats an action while a part of a control is held down: the caller acts
// once on the press and calls start(); after a first pause the action runs at
// a steady rate until stop().
class AutoRepeat : public QObject {
    Q_OBJECT
public:
    static constexpr int FirstDelayMs = 400;
    static constexpr int IntervalMs = 120;

    explicit AutoRepeat(QObject* parent = nullptr);

    void start(std::function<void()> action);
    void stop();
    bool isActive() const { return m_timer.isActive(); }

private:
    QTimer m_timer;
    std::function<void()> m_action;
};
