#pragma once

#include <QString>

namespace kelvo::db {
class Connection;
}
namespace kelvo::sql {
class Dialect;
}

// Numbered captions: tblKelvoCaption holds a caption's English text by
// number, tblKelvoLangCaption its text per language.
namespace kelvo::repository {

inline constexpr int kPersianLanguage = 1;
inline constexpr int kEnglishLanguage = 2;

// The look-up of a caption by its English text; bound: the text as
// Dialect::boundLiteral writes it.
QString CaptionLookupStatement(const sql::Dialect& dialect);

// Finds or registers the caption with these texts. Both texts are normalised
// in place (trimmed, one trailing ":" dropped, trimmed again); an empty one
// takes the other's text. 0 when both are empty.
int GetCaptionId(db::Connection& db, QString& persianCaption, QString& englishCaption);

// The caption's Persian text when it has one, else its English text, else
// an empty text.
QString GetCaptionText(db::Connection& db, int captionNumber);

} // namespace kelvo::repository
