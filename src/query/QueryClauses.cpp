#include "query/QueryClauses.h"

#include "query/SelectItems.h"
#include "text/TextPrimitives.h"

namespace kelvo::query {

using namespace text;

namespace {

const QString kEnglishDistinct = QStringLiteral("DISTINCT ");
const QString kFarsiDistinct = QStringLiteral(u"متمايز ");

const std::array<const char16_t*, 5> kEnglishCaptions = {u"SELECT", u"FROM", u"WHERE", u"GROUP BY", u"ORDER BY"};
const std::array<const char16_t*, 5> kFarsiCaptions = {u"انتخاب", u"از جداول", u"به شرطيكه", u"به تفكيك",
                                                       u"مرتبسازي با"};

// End of a clause: the first of the following keyword positions that is
// present, else one past the end of the text.
qsizetype FirstPresent(std::initializer_list<qsizetype> positions, qsizetype textLength)
{
    for (qsizetype p : positions) {
        if (p > 0)
            return p;
    }
    return textLength + 1;
}

QString StoredQuery(const ClauseBoxes& boxes, const std::array<const char16_t*, 5>& captions)
{
    const QString* texts[] = {&boxes.select, &boxes.from, &boxes.where, &boxes.groupBy, &boxes.orderBy};
    QString out;
    for (int i = 0; i < 5; ++i) {
        const QString trimmed = TrimBlanks(*texts[i]);
        if (!trimmed.isEmpty())
            out += QStringView(captions[i]) + u' ' + trimmed + u' ';
    }
    return out;
}

// The second pass of the English split: the select list ends after the last
// quoted or numbered alias that the outer FROM directly follows, which a
// "FROM" inside a sub-select cannot disturb. Applied whole or not at all.
void CorrectSelectList(QueryClauses& c, const QString& q, qsizetype selectPos)
{
    const QList<ScannedSelectItem> items = ScanSelectList(q);
    qsizetype end = 0;
    // Items read after the select list (a FROM list "a, b" followed by a
    // quoted value in WHERE reads like one) are passed over: the end is the
    // last alias followed by nothing but blanks and "FROM ".
    for (auto item = items.crbegin(); item != items.crend() && end == 0; ++item) {
        qsizetype next = item->aliasEnd;
        while (next < q.size() && q[next] == u' ')
            ++next;
        if (QStringView(q).mid(next).startsWith(u"FROM ", Qt::CaseInsensitive))
            end = item->aliasEnd;
    }
    if (end == 0)
        return;
    const QString select = TrimBlanks(Mid(Left(q, end), selectPos + 7));
    QString rest = Mid(q, end + 1);

    const qsizetype fromAt = FindNoCase(rest, u"FROM ");
    const qsizetype f = fromAt + 4;
    const qsizetype w = FindNoCase(rest, u"WHERE ", f);
    if (const qsizetype g = FindNoCase(rest, u"GROUP "))
        rest = Left(rest, g - 1);
    if (const qsizetype o = FindNoCase(rest, u"ORDER "))
        rest = Left(rest, o - 1);

    QString from, where;
    if (w > 0) {
        from = TrimBlanks(Mid(rest, f, w - f));
        where = TrimBlanks(Mid(rest, w + 6));
    } else {
        if (rest.size() - f < 0)
            return; // no FROM text after the select list: keep the first pass
        from = TrimBlanks(Right(rest, rest.size() - f));
    }
    c.ESelect = select;
    c.EFrom = from;
    c.EWhere = where;
}

} // namespace

QString EnglishClauseCaption(Clause clause)
{
    return QString::fromUtf16(kEnglishCaptions[size_t(clause)]);
}

QString FarsiClauseCaption(Clause clause)
{
    return QString::fromUtf16(kFarsiCaptions[size_t(clause)]);
}

QString AssembleEditorQuery(const ClauseBoxes& english)
{
    QString q = u"Select " + TrimBlanks(english.select) + u" From  " + TrimBlanks(english.from);
    // A box of blanks counts as empty: it would leave a keyword without a clause.
    if (const QString where = TrimBlanks(english.where); !where.isEmpty())
        q += u" where  " + where;
    if (const QString groupBy = TrimBlanks(english.groupBy); !groupBy.isEmpty())
        q += u" Group by  " + groupBy;
    if (const QString orderBy = TrimBlanks(english.orderBy); !orderBy.isEmpty())
        q += u" order by  " + orderBy;
    return q;
}

bool SplitEnglishQuery(QueryClauses& c)
{
    const QString q = c.EQuery;
    c.ESelect.clear();
    c.EFrom.clear();
    c.EWhere.clear();
    c.EGroupBy.clear();
    c.EOrderBy.clear();

    const qsizetype pS = FindNoCase(q, u"SELECT ");
    const qsizetype pF = FindNoCase(q, u" FROM ");
    const qsizetype pW = FindNoCase(q, u" WHERE ");
    const qsizetype pG = FindNoCase(q, u" GROUP BY ");
    const qsizetype pO = FindNoCase(q, u" ORDER BY ");
    if (pS == 0 || pF == 0) {
        c.ESelect = TrimBlanks(Mid(q, 7));
        return true;
    }
    const qsizetype n = q.size();
    c.ESelect = Span(q, pS + 7, pF);
    c.EFrom = Span(q, pF + 5, FirstPresent({pW, pG, pO}, n));
    if (pW > 0)
        c.EWhere = Span(q, pW + 6, FirstPresent({pG, pO}, n));
    if (pG > 0)
        c.EGroupBy = Span(q, pG + 9, FirstPresent({pO}, n));
    if (pO > 0)
        c.EOrderBy = Mid(q, pO + 9);

    CorrectSelectList(c, q, pS);
    return false;
}

bool SplitFarsiQuery(QueryClauses& c)
{
    const QString q = c.FQuery;
    QString* clauses[] = {&c.FSelect, &c.FFrom, &c.FWhere, &c.FGroupBy, &c.FOrderBy};
    qsizetype pos[5];
    for (int i = 0; i < 5; ++i) {
        clauses[i]->clear();
        pos[i] = FindNoCase(q, QString(QStringView(kFarsiCaptions[i]) + u' '));
    }
    if (pos[0] == 0 || pos[1] == 0) {
        c.FSelect = TrimBlanks(Mid(q, 7));
        return true;
    }
    for (int i = 0; i < 5; ++i) {
        if (pos[i] == 0)
            continue;
        qsizetype end = q.size() + 1;
        for (int j = i + 1; j < 5; ++j) {
            if (pos[j] > 0) {
                end = pos[j];
                break;
            }
        }
        *clauses[i] = Span(q, pos[i] + QStringView(kFarsiCaptions[i]).size() + 1, end);
    }
    return false;
}

QString StoredEnglishQuery(const ClauseBoxes& english)
{
    return StoredQuery(english, kEnglishCaptions);
}

QString StoredFarsiQuery(const ClauseBoxes& farsi)
{
    return StoredQuery(farsi, kFarsiCaptions);
}

bool IsDistinctSelect(const QString& eSelect)
{
    return TrimBlanksView(eSelect).startsWith(kEnglishDistinct, Qt::CaseInsensitive);
}

void MakeDistinct(QueryClauses& c)
{
    if (TrimBlanksView(c.ESelect).isEmpty() || IsDistinctSelect(c.ESelect))
        return;
    c.ESelect = kEnglishDistinct + c.ESelect;
    c.FSelect = kFarsiDistinct + c.FSelect;
}

void MakeNonDistinct(QueryClauses& c)
{
    if (!IsDistinctSelect(c.ESelect))
        return;
    c.ESelect = Mid(TrimBlanks(c.ESelect), kEnglishDistinct.size() + 1);
    // The Farsi text loses its prefix only when it has one, so that a Farsi
    // text out of step with the English one keeps all its words.
    const QString farsi = TrimBlanks(c.FSelect);
    if (farsi.startsWith(kFarsiDistinct))
        c.FSelect = Mid(farsi, kFarsiDistinct.size() + 1);
}

void ToggleDistinct(QueryClauses& c)
{
    if (IsDistinctSelect(c.ESelect))
        MakeNonDistinct(c);
    else
        MakeDistinct(c);
}

void RestoreDistinct(QueryClauses& c, bool wasDistinct)
{
    if (wasDistinct)
        MakeDistinct(c);
}

DistinctButtonCaptions DistinctCaptions(bool queryIsDistinct)
{
    if (queryIsDistinct)
        return {QStringLiteral("NONDISTINCT"), QStringLiteral(u"غير متمايز")};
    return {QStringLiteral("DISTINCT"), QStringLiteral(u"متمايز")};
}

} // namespace kelvo::query
