#include "QtUiServices.h"

#include <QApplication>
#include <QEventLoop>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QMetaObject>
#include <QTimer>
#include <QWidget>

#include <array>
#include <cstdio>
#include <cstring>
#include <strings.h>

namespace {

// The button sets of a message-box style (its low four bits) and the code
// each button reports.
struct ButtonSet {
    int style;
    std::array<QMessageBox::StandardButton, 3> buttons;
};
constexpr std::array<ButtonSet, 6> ButtonSets = {{
    {0, {QMessageBox::Ok, QMessageBox::NoButton, QMessageBox::NoButton}},
    {1, {QMessageBox::Ok, QMessageBox::Cancel, QMessageBox::NoButton}},
    {2, {QMessageBox::Abort, QMessageBox::Retry, QMessageBox::Ignore}},
    {3, {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel}},
    {4, {QMessageBox::Yes, QMessageBox::No, QMessageBox::NoButton}},
    {5, {QMessageBox::Retry, QMessageBox::Cancel, QMessageBox::NoButton}},
}};

int CodeOf(QMessageBox::StandardButton button)
{
    switch (button) {
    case QMessageBox::Ok: return UiServices::ID_OK;
    case QMessageBox::Cancel: return 2;
    case QMessageBox::Abort: return 3;
    case QMessageBox::Retry: return 4;
    case QMessageBox::Ignore: return 5;
    case QMessageBox::Yes: return UiServices::ID_YES;
    case QMessageBox::No: return UiServices::ID_NO;
    default: return 2; // closed without a button: as Cancel
    }
}

QMessageBox::Icon IconOf(int style)
{
    switch (style & 0xF0) {
    case 16: return QMessageBox::Critical;
    case 32: return QMessageBox::Question;
    case 48: return QMessageBox::Warning;
    case 64: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

bool IsInputEvent(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
        return true;
    default:
        return false;
    }
}

// Swallows mouse and key events while it is installed.
class InputSwallower : public QObject {
protected:
    bool eventFilter(QObject*, QEvent* event) override { return IsInputEvent(event->type()); }
};

} // namespace

QtUiServices::Unattended QtUiServices::UnattendedFrom(const char* setting)
{
    if (setting == nullptr)
        return Unattended::Off;
    if (strcasecmp(setting, "yes") == 0)
        return Unattended::AnswerYes;
    if (strcasecmp(setting, "no") == 0)
        return Unattended::AnswerNo;
    return Unattended::Off;
}

int QtUiServices::ShowMessageBox(const std::string& text, int style)
{
    const ButtonSet* set = &ButtonSets[0];
    for (const ButtonSet& candidate : ButtonSets)
        if (candidate.style == (style & 0x0F))
            set = &candidate;

    if (m_unattended != Unattended::Off) {
        std::fprintf(stderr, "%s\n", text.c_str());
        std::fflush(stderr);
        for (const QMessageBox::StandardButton button : set->buttons)
            if (button == (m_unattended == Unattended::AnswerYes ? QMessageBox::Yes : QMessageBox::No))
                return CodeOf(button);
        return CodeOf(set->buttons[0]);
    }

    QMessageBox box(IconOf(style), QApplication::applicationName(),
                    QString::fromStdString(text).replace(QLatin1String("\r\n"), QLatin1String("\n")),
                    QMessageBox::NoButton, QApplication::activeWindow());
    for (const QMessageBox::StandardButton button : set->buttons)
        if (button != QMessageBox::NoButton)
            box.addButton(button);
    box.setDefaultButton(set->buttons[0]);
    // Closing the box counts as its last button (No, Cancel; OK when alone).
    for (const QMessageBox::StandardButton button : set->buttons)
        if (button != QMessageBox::NoButton)
            box.setEscapeButton(button);
    // A busy pointer would hide that the box wants an answer.
    if (m_busy)
        QApplication::setOverrideCursor(Qt::ArrowCursor);
    box.exec();
    if (m_busy)
        QApplication::restoreOverrideCursor();
    return CodeOf(box.standardButton(box.clickedButton()));
}

void QtUiServices::SetBusyPointer(bool busy)
{
    if (busy == m_busy)
        return;
    m_busy = busy;
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void QtUiServices::FlushInput()
{
    // Input posted by the program and input the window system has queued
    // both arrive through the event loop; let it run once with every input
    // event swallowed on the way.
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick,
                                    QEvent::MouseMove, QEvent::Wheel, QEvent::KeyPress, QEvent::KeyRelease})
        QCoreApplication::removePostedEvents(nullptr, type);
    InputSwallower swallower;
    qApp->installEventFilter(&swallower);
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    qApp->removeEventFilter(&swallower);
}

void QtUiServices::SetProgress(int value)
{
    if (!m_progressBar)
        return;
    m_progressBar->setValue(value);
    // Connecting keeps the event loop busy; paint the step now.
    m_progressBar->repaint();
}

void QtUiServices::Sleep(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

void QtUiServices::SetStandardTextsLocale(const std::string& locale)
{
    if (m_standardTexts) {
        QCoreApplication::removeTranslator(m_standardTexts.get());
        m_standardTexts.reset();
    }
    if (locale.empty())
        return;
    auto texts = std::make_unique<QTranslator>();
    if (texts->load(QLocale(QString::fromStdString(locale)), "qtbase", "_",
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
        QCoreApplication::installTranslator(texts.get()))
        m_standardTexts = std::move(texts);
}

void QtUiServices::RefreshAllLanguage()
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        const QMetaObject* meta = window->metaObject();
        if (meta->indexOfMethod("sub_RefreshLanguage()") >= 0)
            QMetaObject::invokeMethod(window, "sub_RefreshLanguage", Qt::DirectConnection);
    }
}
