#include "query/SelectItems.h"

#include "query/ColumnRefTranslator.h"
#include "query/QueryModel.h"
#include "query/StoreFullError.h"
#include "text/TextPrimitives.h"
#include "query/Vocabulary.h"
#include "platform/db/Connection.h"
#include "repository/Captions.h"

namespace kelvo::query {

using namespace text;

namespace {

// A range [begin, end) of the scanned text, 0-based.
struct Range {
    qsizetype begin = 0;
    qsizetype end = 0;
    qsizetype size() const { return end - begin; }
    bool isEmpty() const { return end <= begin; }
};

Range TrimRange(QStringView s, Range r)
{
    while (r.begin < r.end && s[r.begin] == u' ')
        ++r.begin;
    while (r.end > r.begin && s[r.end - 1] == u' ')
        --r.end;
    return r;
}

// The caption of a quoted alias. 'text' loses its enclosing quotes and has
// doubled quotes undoubled, so that a caption written with QuoteEscape reads
// back as it was; any other quotes are removed.
QString UnquoteCaption(QStringView alias)
{
    if (alias.size() >= 2 && alias.front() == u'\'' && alias.back() == u'\'') {
        QString inner = alias.mid(1, alias.size() - 2).toString();
        inner.replace(QStringLiteral("''"), QStringLiteral("'"));
        return TrimBlanks(inner);
    }
    QString out = alias.toString();
    out.remove(u'\'');
    return TrimBlanks(out);
}

} // namespace

QList<ScannedSelectItem> ScanSelectList(const QString& q)
{
    QList<ScannedSelectItem> items;
    const QStringView s(q);
    Range t = TrimRange(s, {0, s.size()});
    if (!t.isEmpty())
        t = TrimRange(s, {std::min(t.begin + 6, t.end), t.end});

    while (!t.isEmpty()) {
        QStringView view = s.mid(t.begin, t.size());
        const qsizetype asAt = view.indexOf(u" as ");
        const qsizetype p = asAt < 0 ? 0 : asAt + 1; // 1-based, 0 when absent
        const QString expression = TrimBlanks(view.left(p));
        t.begin = std::min(t.begin + p + 2, t.end); // the text from position p + 3
        view = s.mid(t.begin, t.size());

        // A quoted alias is one token: commas, "from" and doubled quotes
        // inside it belong to the caption.
        qsizetype k = 0; // 1-based position of the comma that ends the item, else the rest's length
        qsizetype quoteAt = 0;
        while (quoteAt < view.size() && view[quoteAt] == u' ')
            ++quoteAt;
        if (quoteAt < view.size() && view[quoteAt] == u'\'') {
            qsizetype close = quoteAt + 1;
            QString caption;
            for (; close < view.size(); ++close) {
                if (view[close] != u'\'') {
                    caption += view[close];
                } else if (close + 1 < view.size() && view[close + 1] == u'\'') {
                    caption += u'\'';
                    ++close;
                } else {
                    break;
                }
            }
            const qsizetype end = std::min(close, view.size() - 1);
            const qsizetype commaAt = view.indexOf(u',', end);
            k = commaAt < 0 ? view.size() : commaAt + 1;
            items.append({expression, -1, TrimBlanks(caption), t.begin + end + 1});
        } else {
            const qsizetype commaAt = view.indexOf(u',');
            k = commaAt < 0 ? view.size() : commaAt + 1;
            Range alias = {t.begin, commaAt < 0 ? t.end : t.begin + commaAt};
            alias = TrimRange(s, alias);
            const qsizetype fromAt = s.mid(alias.begin, alias.size()).indexOf(u"from", 0, Qt::CaseInsensitive);
            if (fromAt >= 0)
                alias = TrimRange(s, {alias.begin, alias.begin + fromAt});
            const QStringView aliasText = s.mid(alias.begin, alias.size());

            if (aliasText.contains(u'\'')) {
                items.append({expression, -1, UnquoteCaption(aliasText), alias.end});
            } else {
                QString number = aliasText.toString();
                number.remove(u'~');
                int value = 0;
                if (IsNumber(number) && ToInt32(LeadingNumber(number), value))
                    items.append({expression, value, QString(), alias.end});
            }
        }

        if (view.size() - k > 0)
            t.begin += k;
        else
            t.begin = t.end;
    }
    return items;
}

namespace {
void AppendSelectItem(SelectItemList& list, db::Connection& db, ColumnRefTranslator& translator,
                      const QString& expression, int captionNumber, const QString& caption);
} // namespace

void ClearSelectItems(SelectItemList& list)
{
    list.items.clear();
}

void ParseSelectItems(SelectItemList& list, db::Connection& db, const QString& reportId, const QString& text)
{
    QString t = TrimBlanks(text);
    const double id = LeadingNumber(reportId);
    if (id != -1) {
        int reportNumber = 0;
        if (!ToInt32(id, reportNumber))
            reportNumber = 0;
        db::Recordset rs = db.openRecordset(QStringLiteral("select SQLQuery from tblKelvoReport where ID=?"),
                                            {reportNumber});
        if (!rs.eof())
            t = TrimBlanks(rs.text(QStringLiteral("SQLQuery")));
    }
    const QList<ScannedSelectItem> scanned = ScanSelectList(t);
    QStringList expressions;
    expressions.reserve(scanned.size());
    for (const ScannedSelectItem& item : scanned)
        expressions << item.expression;
    // The dictionary is read for the whole list at once, not once per item.
    ColumnRefTranslator translator(db);
    translator.prefetch(expressions);
    SelectItemList parsed;
    for (const ScannedSelectItem& item : scanned)
        AppendSelectItem(parsed, db, translator, item.expression, item.captionNumber, item.caption);
    list = std::move(parsed);
}

void AddSelectItem(SelectItemList& list, db::Connection& db, const QString& expression, int captionNumber,
                   const QString& caption)
{
    ColumnRefTranslator translator(db);
    AppendSelectItem(list, db, translator, expression, captionNumber, caption);
}

namespace {

void AppendSelectItem(SelectItemList& list, db::Connection& db, ColumnRefTranslator& translator,
                      const QString& expression, int captionNumber, const QString& caption)
{
    if (list.count() >= SelectItemList::kCapacity)
        throw StoreFullError(QStringLiteral("select list"), SelectItemList::kCapacity);
    SelectItem item;
    item.Caption = TrimBlanks(caption);
    if (captionNumber >= 0)
        item.Caption = repository::GetCaptionText(db, captionNumber);
    item.EnglishText = expression;
    item.FarsiText = translator.translate(expression);
    item.CaptionNumber = -1;
    list.items.append(std::move(item));
}

} // namespace

QString MakeSelectDisplayText(const SelectItemList& list, const QString& selectText)
{
    QString s = selectText;
    qsizetype pos = 1;
    while (true) {
        const qsizetype p = Find(s, u"~", Qt::CaseSensitive, pos);
        if (p == 0 || p > s.size())
            break;
        qsizetype j = p + 1; // 1-based
        while (j <= s.size() && s[j - 1] == u' ')
            ++j;
        qsizetype e = j;
        while (e <= s.size() && s[e - 1] != u' ' && s[e - 1] != u',')
            ++e;
        const QString token = Span(s, p + 1, e);
        const double number = LeadingNumber(token);
        QString caption;
        for (const SelectItem& item : list.items) {
            if (item.CaptionNumber == number) {
                caption = item.Caption;
                break;
            }
        }
        // The alias is replaced where it was found, so that a caption that
        // itself holds "~N" text is never read again.
        const QString tilde = u'~' + token;
        const QString quoted = u'\'' + QuoteEscape(caption) + u'\'';
        const QStringView atTilde = QStringView(s).mid(p - 1);
        bool replaced = true;
        if (atTilde.startsWith(QString(tilde + u", ")))
            s.replace(p - 1, tilde.size() + 2, quoted + u", ");
        else if (atTilde.startsWith(QString(tilde + u' ')))
            s.replace(p - 1, tilde.size() + 1, quoted + u' ');
        else if (atTilde == tilde)
            s.replace(p - 1, tilde.size(), quoted);
        else
            replaced = false;
        pos = replaced ? p + quoted.size() + 1 : p + 1;
    }
    return s;
}

} // namespace kelvo::query
