#pragma once

#include <QString>
#include <stdexcept>

namespace kelvo::query {

// Raised when an item is added to a list that is already at its capacity
// (1000 select items, 100 expression items); the list is left unchanged.
class StoreFullError : public std::runtime_error {
public:
    StoreFullError(const QString& listName, int capacity)
        : std::runtime_error(QStringLiteral("The %1 holds at most %2 items.")
                                 .arg(listName)
                                 .arg(capacity)
                                 .toStdString()),
          m_capacity(capacity)
    {
    }
    int capacity() const { return m_capacity; }
    QString message() const { return QString::fromStdString(what()); }

private:
    int m_capacity;
};

} // namespace kelvo::query
