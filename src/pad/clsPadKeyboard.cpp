#include "pad/clsPadKeyboard.h"

#include "core/TrapErrors.h"

#include <QCoreApplication>
#include <QKeyEvent>

#include <array>
#include <utility>

namespace {

// The shortcut keys in the order of the settings file's "ShortcutKey"
// section, with their virtual-key numbers.
constexpr std::array<std::pair<int, int>, 16> kShortcutKeys = {{
    {Qt::Key_PageUp, 33},
    {Qt::Key_PageDown, 34},
    {Qt::Key_Up, 38},
    {Qt::Key_Down, 40},
    {Qt::Key_Left, 37},
    {Qt::Key_Right, 39},
    {Qt::Key_Home, 36},
    {Qt::Key_End, 35},
    {Qt::Key_F5, 116},
    {Qt::Key_F6, 117},
    {Qt::Key_F7, 118},
    {Qt::Key_F8, 119},
    {Qt::Key_F9, 120},
    {Qt::Key_F10, 121},
    {Qt::Key_F11, 122},
    {Qt::Key_F12, 123},
}};

} // namespace

clsPadKeyboard::clsPadKeyboard(Enabled enabled, KeyDown keyDown, Escape escape, QObject* parent)
    : QObject(parent), m_Enabled(std::move(enabled)), m_KeyDown(std::move(keyDown)), m_Escape(std::move(escape))
{
    setObjectName("PadKeyboardHook");
}

clsPadKeyboard::~clsPadKeyboard()
{
    Remove();
}

std::intptr_t clsPadKeyboard::Install()
{
    if (!m_Installed && QCoreApplication::instance()) {
        QCoreApplication::instance()->installEventFilter(this);
        m_Installed = true;
    }
    m_Latched = false;
    m_ReleasedAt.reset();
    return reinterpret_cast<std::intptr_t>(this);
}

void clsPadKeyboard::Remove()
{
    if (m_Installed && QCoreApplication::instance())
        QCoreApplication::instance()->removeEventFilter(this);
    m_Installed = false;
    m_Latched = false;
    m_ReleasedAt.reset();
}

int clsPadKeyboard::func_VirtualKey(int qtKey)
{
    for (const auto& [key, virtualKey] : kShortcutKeys)
        if (key == qtKey)
            return virtualKey;
    return 0;
}

int clsPadKeyboard::func_ShortcutIndex(int virtualKey)
{
    for (std::size_t i = 0; i < kShortcutKeys.size(); ++i)
        if (kShortcutKeys[i].second == virtualKey)
            return static_cast<int>(i);
    return -1;
}

bool clsPadKeyboard::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease)
        return QObject::eventFilter(watched, event);
    // A key that the focus widget leaves alone travels up to its parents and
    // passes here once for each; the latch lets only the first pass act.
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (key.isAutoRepeat())
        return false;
    if (type == QEvent::KeyPress && key.key() == Qt::Key_Escape && m_Escape) {
        bool stopped = false;
        TrapErrors([&] { stopped = m_Escape(); });
        if (stopped)
            return true;
    }
    if (type == QEvent::KeyRelease) {
        if (m_Latched)
            m_ReleasedAt = key.timestamp();
        return false;
    }
    if (m_Latched) {
        // Still held, or the server's repeat of a release and a press at once.
        if (!m_ReleasedAt || (key.timestamp() != 0 && key.timestamp() == *m_ReleasedAt)) {
            m_ReleasedAt.reset();
            return false;
        }
        m_Latched = false;
        m_ReleasedAt.reset();
    }
    if (m_Enabled && m_Enabled()) {
        m_Latched = true;
        const int virtualKey = func_VirtualKey(key.key());
        TrapErrors([&] { m_KeyDown(virtualKey); });
    }
    return false;
}
