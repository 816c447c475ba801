#pragma once

#include <QHash>
#include <QString>

#include <optional>

namespace kelvo::os {

// Keyboard layouts the windows ask for: Farsi text boxes the context's Farsi
// layout, English ones "00000409".
inline constexpr const char* kLayoutFarsi = "00000429";
inline constexpr const char* kLayoutArabic = "00000401";
inline constexpr const char* kLayoutEnglish = "00000409";

// Layout identifier -> XKB group index, read from text such as
// "00000429=1,00000409=0". Identifiers are kept in upper case; malformed
// entries are skipped.
QHash<QString, int> ParseXkbGroupMap(const QString& text);
// The map configured in the environment variable KELVO_XKB_GROUPS.
QHash<QString, int> XkbGroupMapFromEnvironment();

// Switches the keyboard to a requested layout. Every request is recorded;
// under X11, when the layout has a configured XKB group, that group is locked
// on the display. Without a display, without libX11 or without a configured
// group the request is only recorded, silently.
class KeyboardSwitcher {
public:
    // display: the X display name; empty means "not on X11".
    KeyboardSwitcher(QHash<QString, int> groups, QString display);

    // Returns true when an XKB group was locked.
    bool load(const QString& layoutId);
    const QString& lastRequested() const { return m_lastRequested; }
    std::optional<int> groupOf(const QString& layoutId) const;

private:
    QHash<QString, int> m_groups;
    QString m_display;
    QString m_lastRequested;
};

// The process's switcher, configured from KELVO_XKB_GROUPS and DISPLAY when
// first used.
KeyboardSwitcher& ProcessKeyboardSwitcher();
// What a text box calls on entry: loads and activates layoutId.
bool LoadKeyboardLayout(const QString& layoutId);

// The locked XKB group of a display's core keyboard; empty when the display
// cannot be reached.
std::optional<int> LockedXkbGroup(const QString& display);

} // namespace kelvo::os
