#pragma once

namespace kelvo::management {

// The report manager's mode, held by each manager window: which commands
// are enabled, and how a save writes the definition. Mode 5 is not used.
enum class ManagerMode {
    Insert = 1,
    Edit = 2,
    Idle = 3,
    View = 4,
    InsertFrom = 6,
};

// A definition is being entered: insert, edit or insert-from.
constexpr bool IsEntryMode(ManagerMode mode)
{
    return mode == ManagerMode::Insert || mode == ManagerMode::Edit || mode == ManagerMode::InsertFrom;
}

} // namespace kelvo::management
