#include "query/ColumnRefTranslator.h"

#include "platform/db/Connection.h"
#include "query/QueryModel.h"
#include "text/TextPrimitives.h"

#include <QSet>

namespace kelvo::query {

namespace {

constexpr int kPairsPerStatement = 100;

struct ColumnRef {
    QString table, column;
};

// The names of a reference as TranslateColumnRef reads them; none for a
// text without a dot.
std::optional<ColumnRef> SplitReference(const QString& expression)
{
    const qsizetype dot = expression.indexOf(u'.');
    if (dot < 0)
        return std::nullopt;
    return ColumnRef{text::TrimBlanks(QStringView(expression).left(dot)),
                     text::TrimBlanks(QStringView(expression).mid(dot + 1))};
}

QString Key(const QString& table, const QString& column)
{
    return QString(table + u'.' + column).toCaseFolded();
}

QString PairsStatement(int pairs)
{
    QString s = QStringLiteral(
        "Select tblKelvoColumn.TableName, tblKelvoColumn.Name, tblKelvoColumn.Description as ColumnDesc, "
        "tblKelvoTable.Description as TableDesc from tblKelvoColumn inner join tblKelvoTable "
        "On tblKelvoColumn.TableName=tblKelvoTable.Name Where ");
    for (int i = 0; i < pairs; ++i)
        s += (i ? QStringLiteral(" or ") : QString()) +
             QStringLiteral("(tblKelvoColumn.TableName=? and tblKelvoColumn.Name=?)");
    return s;
}

} // namespace

void ColumnRefTranslator::prefetch(const QStringList& expressions)
{
    QList<ColumnRef> wanted;
    QSet<QString> seen;
    for (const QString& expression : expressions) {
        const std::optional<ColumnRef> ref = SplitReference(expression);
        if (!ref || ref->table.isEmpty() || ref->column.isEmpty())
            continue;
        const QString key = Key(ref->table, ref->column);
        if (!m_found.contains(key) && !seen.contains(key)) {
            seen.insert(key);
            wanted.append(*ref);
        }
    }
    for (qsizetype from = 0; from < wanted.size(); from += kPairsPerStatement) {
        const qsizetype pairs = std::min<qsizetype>(kPairsPerStatement, wanted.size() - from);
        QVariantList values;
        values.reserve(pairs * 2);
        for (qsizetype i = from; i < from + pairs; ++i)
            values << wanted[i].table << wanted[i].column;
        db::Recordset rs = m_db.openRecordset(PairsStatement(int(pairs)), values, db::CursorType::ForwardOnly);
        while (!rs.eof()) {
            const QString table = rs.text(QStringLiteral("TableName"));
            const QString column = rs.text(QStringLiteral("Name"));
            const QString tableText = rs.isNull(QStringLiteral("TableDesc")) ? table : rs.text(QStringLiteral("TableDesc"));
            const QString columnText =
                rs.isNull(QStringLiteral("ColumnDesc")) ? column : rs.text(QStringLiteral("ColumnDesc"));
            m_found.insert(Key(table, column), tableText + u'_' + columnText);
            rs.moveNext();
        }
    }
}

QString ColumnRefTranslator::translate(const QString& expression)
{
    if (const std::optional<ColumnRef> ref = SplitReference(expression)) {
        const auto found = m_found.constFind(Key(ref->table, ref->column));
        if (found != m_found.constEnd())
            return *found;
    }
    return TranslateColumnRef(m_db, expression);
}

} // namespace kelvo::query
