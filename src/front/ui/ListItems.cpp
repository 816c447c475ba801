#include "front/ui/ListItems.h"

#include <QComboBox>
#include <QListWidget>

namespace kelvo::front {

bool FindListItem(QComboBox& list, int number)
{
    for (int i = 0; i < list.count(); ++i) {
        if (list.itemData(i, Qt::UserRole).toInt() == number) {
            list.setCurrentIndex(i);
            return true;
        }
    }
    return false;
}

bool FindListItem(QListWidget& list, int number)
{
    for (int i = 0; i < list.count(); ++i) {
        if (list.item(i)->data(Qt::UserRole).toInt() == number) {
            list.setCurrentRow(i, QItemSelectionModel::ClearAndSelect);
            return true;
        }
    }
    return false;
}

int SelectedItemData(const QComboBox& list)
{
    const int index = list.currentIndex();
    return index < 0 ? -1 : list.itemData(index, Qt::UserRole).toInt();
}

int SelectedItemData(const QListWidget& list)
{
    const QListWidgetItem* item = list.currentItem();
    return item && item->isSelected() ? item->data(Qt::UserRole).toInt() : -1;
}

} // namespace kelvo::front
