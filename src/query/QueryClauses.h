#pragma once

#include <QString>

// The clause store of the query being designed and the text rules by which a
// full query is split into clauses and assembled again.
namespace kelvo::query {

struct QueryClauses {
    QString ESelect, FSelect; // select list without the word SELECT; may begin with the DISTINCT prefix
    QString EFrom, FFrom;
    QString EWhere, FWhere;
    QString EGroupBy, FGroupBy;
    QString EOrderBy, FOrderBy;
    QString EQuery, FQuery;     // the full texts
    QString SQLSP, FarsiSQLSP;  // call text of a stored procedure report

    void clear() { *this = QueryClauses(); }
};

// The Farsi list separator, and its form in generated text.
inline constexpr char16_t kFarsiComma = u'،';
inline constexpr const char16_t* kFarsiListSeparator = u"، ";

enum class Clause { Select, From, Where, GroupBy, OrderBy };

// Caption of a clause's editor button: "SELECT" … / "انتخاب" …; the Farsi
// captions are also the keywords of the Farsi query text.
QString EnglishClauseCaption(Clause clause);
QString FarsiClauseCaption(Clause clause);

// The five clause boxes of one language, as the SQL editor holds them.
struct ClauseBoxes {
    QString select, from, where, groupBy, orderBy;
};

// "Select " + select + " From  " + from, then " where  ", " Group by  ",
// " order by  " + each non-empty box; every box trimmed.
QString AssembleEditorQuery(const ClauseBoxes& english);

// Splits EQuery into the five English clauses. The select list is found
// twice: by keyword, then corrected by where its last aliased item ends, so
// that a sub-select's FROM does not end it. True when "SELECT " or " FROM " is
// missing (the text after the first six characters is then the select list).
// Pure: reads and writes only the clause texts.
bool SplitEnglishQuery(QueryClauses& clauses);
// Splits FQuery into the five Farsi clauses by the Farsi keywords.
bool SplitFarsiQuery(QueryClauses& clauses);

// The form in which a query is stored: each non-empty trimmed box in clause
// order as caption + " " + text + " ".
QString StoredEnglishQuery(const ClauseBoxes& english);
QString StoredFarsiQuery(const ClauseBoxes& farsi);

// DISTINCT: "DISTINCT " before the English select list, "متمايز " before the Farsi one.
bool IsDistinctSelect(const QString& eSelect);
// Adds both prefixes unless the trimmed ESelect is empty or already distinct.
void MakeDistinct(QueryClauses& clauses);
// Removes both prefixes when the trimmed ESelect begins with the English one.
void MakeNonDistinct(QueryClauses& clauses);
// The editor's DISTINCT button: makes a distinct query non-distinct and the
// other way round.
void ToggleDistinct(QueryClauses& clauses);
// After the clauses were regenerated from the query model (which drops the
// prefix): gives both prefixes back when the query was distinct before.
void RestoreDistinct(QueryClauses& clauses, bool wasDistinct);

struct DistinctButtonCaptions {
    QString english, farsi;
};
// What the DISTINCT buttons show for a query: "NONDISTINCT" / "غير متمايز"
// when it is distinct, "DISTINCT" / "متمايز" otherwise.
DistinctButtonCaptions DistinctCaptions(bool queryIsDistinct);

} // namespace kelvo::query
