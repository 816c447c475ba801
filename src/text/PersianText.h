#pragma once

#include <QList>
#include <QString>

// How the system matches text that people type against text it has stored.
// A Persian keyboard writes ی (U+06CC) and ک (U+06A9) where much stored text
// holds the Arabic forms ي (U+064A), ى (U+0649) and ك (U+0643), and digits
// come as Persian, Arabic-Indic or Latin; each set counts as one.
namespace kelvo::text {

// Persian (U+06F0…) and Arabic-Indic (U+0660…) digits as Latin digits.
QString AsciiDigits(QString text);

// The text with every letter and digit in its one matching form: the
// Persian letters and Latin digits. Stored text is never rewritten with it;
// it is applied to both sides of a comparison.
QString FoldPersian(QString text);

// The characters FoldPersian replaces, and their forms, pair by pair.
struct FoldPair {
    char16_t from;
    char16_t to;
};
const QList<FoldPair>& PersianFoldPairs();

} // namespace kelvo::text
