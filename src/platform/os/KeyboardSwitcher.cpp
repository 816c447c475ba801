#include "platform/os/KeyboardSwitcher.h"

#include <QMutex>

#include <dlfcn.h>

namespace kelvo::os {

namespace {

// libX11 is loaded when first needed, so that the program runs, and records
// layout requests, on machines without X11.
class Xlib {
public:
    static const Xlib* instance()
    {
        static const Xlib lib;
        return lib.m_handle ? &lib : nullptr;
    }

    using Display = void;
    Display* (*openDisplay)(const char*) = nullptr;
    int (*closeDisplay)(Display*) = nullptr;
    int (*sync)(Display*, int) = nullptr;
    int (*lockGroup)(Display*, unsigned, unsigned) = nullptr;
    int (*getState)(Display*, unsigned, void*) = nullptr;

    static constexpr unsigned kUseCoreKeyboard = 0x0100; // XkbUseCoreKbd

private:
    Xlib()
    {
        m_handle = dlopen("libX11.so.6", RTLD_LAZY | RTLD_LOCAL);
        if (!m_handle)
            return;
        openDisplay = reinterpret_cast<decltype(openDisplay)>(dlsym(m_handle, "XOpenDisplay"));
        closeDisplay = reinterpret_cast<decltype(closeDisplay)>(dlsym(m_handle, "XCloseDisplay"));
        sync = reinterpret_cast<decltype(sync)>(dlsym(m_handle, "XSync"));
        lockGroup = reinterpret_cast<decltype(lockGroup)>(dlsym(m_handle, "XkbLockGroup"));
        getState = reinterpret_cast<decltype(getState)>(dlsym(m_handle, "XkbGetState"));
        if (!openDisplay || !closeDisplay || !sync || !lockGroup || !getState) {
            dlclose(m_handle);
            m_handle = nullptr;
        }
    }

    void* m_handle = nullptr;
};

// An open connection to an X display, closed on scope exit.
class XConnection {
public:
    explicit XConnection(const QString& display)
        : m_lib(Xlib::instance())
    {
        if (m_lib && !display.isEmpty())
            m_display = m_lib->openDisplay(display.toLocal8Bit().constData());
    }
    ~XConnection()
    {
        if (m_display)
            m_lib->closeDisplay(m_display);
    }
    XConnection(const XConnection&) = delete;
    XConnection& operator=(const XConnection&) = delete;

    explicit operator bool() const { return m_display != nullptr; }
    const Xlib& lib() const { return *m_lib; }
    Xlib::Display* display() const { return m_display; }

private:
    const Xlib* m_lib;
    Xlib::Display* m_display = nullptr;
};

QString normalisedLayout(const QString& layoutId)
{
    return layoutId.trimmed().toUpper();
}

} // namespace

QHash<QString, int> ParseXkbGroupMap(const QString& text)
{
    QHash<QString, int> groups;
    for (const QString& entry : text.split(u',', Qt::SkipEmptyParts)) {
        const qsizetype eq = entry.indexOf(u'=');
        if (eq <= 0)
            continue;
        bool ok = false;
        const int group = entry.mid(eq + 1).trimmed().toInt(&ok);
        if (!ok || group < 0 || group > 3) // XKB has four groups
            continue;
        groups.insert(normalisedLayout(entry.left(eq)), group);
    }
    return groups;
}

QHash<QString, int> XkbGroupMapFromEnvironment()
{
    return ParseXkbGroupMap(qEnvironmentVariable("KELVO_XKB_GROUPS"));
}

KeyboardSwitcher::KeyboardSwitcher(QHash<QString, int> groups, QString display)
    : m_groups(std::move(groups)), m_display(std::move(display))
{
}

std::optional<int> KeyboardSwitcher::groupOf(const QString& layoutId) const
{
    const auto it = m_groups.constFind(normalisedLayout(layoutId));
    if (it == m_groups.constEnd())
        return std::nullopt;
    return *it;
}

bool KeyboardSwitcher::load(const QString& layoutId)
{
    m_lastRequested = layoutId;
    const std::optional<int> group = groupOf(layoutId);
    if (!group || m_display.isEmpty())
        return false;
    XConnection x(m_display);
    if (!x)
        return false;
    const bool locked = x.lib().lockGroup(x.display(), Xlib::kUseCoreKeyboard, unsigned(*group)) != 0;
    x.lib().sync(x.display(), 0);
    return locked;
}

std::optional<int> LockedXkbGroup(const QString& display)
{
    XConnection x(display);
    if (!x)
        return std::nullopt;
    // XkbStateRec begins with the effective group, then the locked group.
    unsigned char state[64] = {};
    if (x.lib().getState(x.display(), Xlib::kUseCoreKeyboard, state) != 0) // Success is 0
        return std::nullopt;
    return int(state[1]);
}

KeyboardSwitcher& ProcessKeyboardSwitcher()
{
    static KeyboardSwitcher switcher(XkbGroupMapFromEnvironment(), qEnvironmentVariable("DISPLAY"));
    return switcher;
}

bool LoadKeyboardLayout(const QString& layoutId)
{
    static QMutex mutex;
    QMutexLocker lock(&mutex);
    return ProcessKeyboardSwitcher().load(layoutId);
}

} // namespace kelvo::os
