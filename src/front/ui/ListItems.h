#pragma once

class QComboBox;
class QListWidget;

namespace kelvo::front {

// Lists whose items carry a number as item data (Qt::UserRole); an item
// without data counts as 0.

// Selects the first item whose data equals number and returns true; returns
// false, leaving the selection as it was, when no item has it.
bool FindListItem(QComboBox& list, int number);
bool FindListItem(QListWidget& list, int number);

// The data of the selected (current) item, or -1 when none is selected.
int SelectedItemData(const QComboBox& list);
int SelectedItemData(const QListWidget& list);

} // namespace kelvo::front
