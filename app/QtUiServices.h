#pragma once

#include "core/UiServices.h"

#include <QPointer>
#include <QProgressBar>
#include <QTranslator>

#include <memory>

// The user-interface services with Qt: message boxes, the busy pointer, the
// input flush, the splash's progress bar, waits and the language refresh.
class QtUiServices : public UiServices {
public:
    // Unattended runs (demos, timing, tests of the real program) have nobody
    // to answer message boxes: each box's text goes to standard error and
    // the box answers by itself, OK or Yes/No as set here.
    enum class Unattended { Off, AnswerYes, AnswerNo };
    // "yes" or "no" in any letter case; anything else is Off.
    static Unattended UnattendedFrom(const char* setting);
    void SetUnattended(Unattended mode) { m_unattended = mode; }

    // The bar that SetProgress drives (frmSplash's ProBar); may go away.
    void SetProgressBar(QProgressBar* bar) { m_progressBar = bar; }

    int ShowMessageBox(const std::string& text, int style) override;
    // The override cursor is set once however often busy is asked for, and
    // removed by the first "not busy".
    void SetBusyPointer(bool busy) override;
    void FlushInput() override;
    void SetProgress(int value) override;
    // Waits while windows keep painting; input waits in the queue.
    void Sleep(int milliseconds) override;
    // Calls sub_RefreshLanguage() of every top-level window that has one
    // (declared Q_INVOKABLE).
    void RefreshAllLanguage() override;
    // Qt's own translation for the locale's language, in place of the one
    // installed before (none for English or a language Qt has none for).
    void SetStandardTextsLocale(const std::string& locale) override;

private:
    std::unique_ptr<QTranslator> m_standardTexts;
    QPointer<QProgressBar> m_progressBar;
    Unattended m_unattended = Unattended::Off;
    bool m_busy = false;
};
