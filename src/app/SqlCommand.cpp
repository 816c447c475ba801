#include "Subcommand.h"
#include "TextTable.h"

#include "platform/VariantKinds.h"
#include "platform/db/Connection.h"
#include "platform/db/DbError.h"

#include <QRegularExpression>

namespace kelvo::app {

namespace {

// Whether a statement yields rows, judged by its first word after any
// leading comments.
bool ReturnsRows(const QString& statement)
{
    static const QRegularExpression leading(QStringLiteral(R"(^(\s+|--[^\n]*(\n|$)|/\*.*?\*/)*)"),
                                            QRegularExpression::DotMatchesEverythingOption);
    const QString rest = statement.mid(leading.match(statement).capturedLength());
    if (rest.startsWith(u'('))
        return true;
    static const QRegularExpression firstWord(QStringLiteral(R"(^([A-Za-z]+))"));
    const QString word = firstWord.match(rest).captured(1).toLower();
    static const QStringList rowWords{"select", "with", "exec", "execute", "pragma", "values"};
    return rowWords.contains(word);
}

bool IsNumber(const QVariant& value)
{
    return IsIntegerValue(value) || IsRealValue(value);
}

QString CellText(const QVariant& value)
{
    if (value.isNull())
        return QStringLiteral("NULL");
    if (value.typeId() == QMetaType::QByteArray)
        return QStringLiteral("0x") + QString::fromLatin1(value.toByteArray().toHex().toUpper());
    return value.toString();
}

QString RowsPrinted(db::Recordset& rs)
{
    if (rs.fieldCount() == 0)
        return QStringLiteral("(no result set)\n");
    TextTable table(rs.columns());
    QList<bool> numeric(rs.fieldCount(), true);
    qint64 count = 0;
    while (!rs.eof()) {
        QStringList cells;
        for (int i = 0; i < rs.fieldCount(); ++i) {
            const QVariant value = rs.value(i);
            if (!value.isNull() && !IsNumber(value))
                numeric[i] = false;
            cells << CellText(value);
        }
        table.addRow(cells);
        ++count;
        rs.moveNext();
    }
    table.setRightAligned(count > 0 ? numeric : QList<bool>(rs.fieldCount(), false));
    return table.render() + (count == 1 ? QStringLiteral("(1 row)\n") : QStringLiteral("(%1 rows)\n").arg(count));
}

class SqlCommand final : public Subcommand {
public:
    QString name() const override { return QStringLiteral("sql"); }
    QString summary() const override { return QStringLiteral("run one statement and print its rows"); }

    int run(const QStringList& arguments) override
    {
        QCommandLineParser parser;
        parser.setApplicationDescription(QStringLiteral(
            "Runs STATEMENT through the database layer on the connection STR and prints its rows as a "
            "table, or the number of rows it affected."));
        const QCommandLineOption connection(QStringLiteral("connection"),
                                            QStringLiteral("Connection string, e.g. \"Provider=SQLite;"
                                                           "Data Source=<folder>;Initial Catalog=<name>\"."),
                                            QStringLiteral("STR"));
        parser.addOption(connection);
        parser.addPositionalArgument(QStringLiteral("STATEMENT"), QStringLiteral("The SQL statement."));
        int exitCode = 0;
        if (!ParseArguments(parser, arguments, QStringLiteral("kelvo-report sql --connection STR \"STATEMENT\""),
                            exitCode))
            return exitCode;
        if (!parser.isSet(connection) || parser.positionalArguments().size() != 1) {
            PrintError(QStringLiteral("kelvo-report sql: give --connection STR and exactly one statement."));
            return 2;
        }

        const QString statement = parser.positionalArguments().first();
        try {
            db::Connection db(parser.value(connection));
            if (ReturnsRows(statement)) {
                db::Recordset rs = db.openRecordset(statement, {}, db::CursorType::ForwardOnly);
                PrintOut(RowsPrinted(rs));
            } else {
                const db::ExecResult result = db.execute(statement);
                PrintOut(result.rowsAffected == 1
                             ? QStringLiteral("(1 row affected)\n")
                             : QStringLiteral("(%1 rows affected)\n").arg(result.rowsAffected));
            }
        } catch (const db::DbError& e) {
            PrintError(QStringLiteral("kelvo-report sql: ") + e.fullText());
            return 1;
        }
        return 0;
    }
};

} // namespace

std::unique_ptr<Subcommand> MakeSqlCommand()
{
    return std::make_unique<SqlCommand>();
}

} // namespace kelvo::app
