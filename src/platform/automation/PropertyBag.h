#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QVariant>

namespace kelvo::automation {

// The saved properties of an object: key -> value, kept in the order the
// keys were first written, and persisted to a file the host chooses.
// Values are empty, booleans, numbers or text.
class PropertyBag {
public:
    // The value of key, or defaultValue when the bag lacks it.
    QVariant read(const QString& key, const QVariant& defaultValue = {}) const;
    // Stores value under key (replacing an earlier value in its place).
    void write(const QString& key, const QVariant& value);

    bool contains(const QString& key) const;
    QStringList keys() const;
    bool isEmpty() const { return m_entries.isEmpty(); }
    void clear() { m_entries.clear(); }

    // JSON: {"properties": [{"key": …, "value": …}, …]} in key order. save
    // replaces the file whole or not at all. Failures throw AutomationError
    // (53 no such file, 75 access error, 321 not a property bag file).
    void save(const QString& path) const;
    static PropertyBag load(const QString& path);

private:
    QList<QPair<QString, QVariant>> m_entries;
};

} // namespace kelvo::automation
