#pragma once

#include <QString>

#include <array>
#include <initializer_list>

class QObject;

namespace kelvo::front {

// Enables one control the way its kind takes it, found by objectName among
// the window's children: an action or a button is enabled, a text box is
// made editable (read-only otherwise), a control with an "Active" property
// (a selector) is made active, any other widget is enabled.
void SetControlEnabled(QObject& window, const QString& name, bool enabled);

// One row of a window's enabling table: a control and, per column of the
// window's modes, whether it is enabled there.
template <std::size_t Columns>
struct EnableRow {
    const char* control;
    std::array<bool, Columns> enabled;
};

// Applies the column of a window's enabling table to its controls.
template <std::size_t Columns>
void ApplyEnableTable(QObject& window, std::initializer_list<EnableRow<Columns>> table, std::size_t column)
{
    for (const EnableRow<Columns>& row : table)
        SetControlEnabled(window, QString::fromLatin1(row.control), row.enabled[column]);
}

} // namespace kelvo::front
