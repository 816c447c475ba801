#pragma once

#include <QList>
#include <QString>

namespace kelvo::db {
class Connection;
}

// The output columns of the report being designed, and how they are read
// from a select list: "expression as 'Caption'" or "expression as ~N" (N a
// caption number), items separated by commas.
namespace kelvo::query {

struct SelectItem {
    QString FarsiText;
    QString EnglishText;       // the expression before " as "
    int CaptionNumber = -1;    // -1 when the caption is given as text
    QString Caption;
    int Width = 1000;
    qint16 Alignment = 4;
    qint16 Merge = 0;
    qint16 TextFlag = 0;
};

struct SelectItemList {
    static constexpr int kCapacity = 1000;
    QList<SelectItem> items; // entry n of the list is items[n - 1]
    int count() const { return int(items.size()); }
};

// One item as the select-list reader finds it in the text.
struct ScannedSelectItem {
    QString expression;
    int captionNumber = -1; // the number of a "~N" alias, -1 for a quoted caption
    QString caption;        // a quoted caption without its quotes
    qsizetype aliasEnd = 0; // 1-based position in the scanned text of the alias's last character
};

// Reads the items of a query text's select list. The first six characters
// (the word "select") are dropped; each item is the text before " as "
// (lower case only). A quoted alias is one token up to its closing quote (a
// doubled quote stands for one), whatever it holds; any other alias runs to
// the next comma and is cut before "from" in any case. Only items whose alias
// is quoted or a number are returned. Pure.
QList<ScannedSelectItem> ScanSelectList(const QString& queryText);

// Count := 0.
void ClearSelectItems(SelectItemList& list);

// Fills the list from the stored query of report reportId, or from text
// when reportId is -1. Each item's Farsi text is its column reference
// translated through the dictionary; a "~N" alias takes caption N's text.
// On failure the list is left as it was.
void ParseSelectItems(SelectItemList& list, db::Connection& db, const QString& reportId,
                      const QString& text);

// Appends one item; throws StoreFullError when the list holds 1000.
void AddSelectItem(SelectItemList& list, db::Connection& db, const QString& expression,
                   int captionNumber, const QString& caption);

// The select list with every "~N" alias shown as the matching item's
// caption in quotes, its apostrophes doubled (an empty caption when no item
// has that number).
QString MakeSelectDisplayText(const SelectItemList& list, const QString& selectText);

} // namespace kelvo::query
