#include "repository/Captions.h"

#include "platform/db/Connection.h"
#include "sql/SqlDialect.h"
#include "text/TextPrimitives.h"

namespace kelvo::repository {

namespace {

QString NormaliseCaption(const QString& caption)
{
    QString text = text::TrimBlanks(caption);
    if (text.endsWith(u':'))
        text.chop(1);
    return text::TrimBlanks(text);
}

} // namespace

QString CaptionLookupStatement(const sql::Dialect& dialect)
{
    return QStringLiteral("Select * from tblKelvoCaption Where ") + dialect.matchesBound(QStringLiteral("EngCaption"));
}

int GetCaptionId(db::Connection& db, QString& persianCaption, QString& englishCaption)
{
    persianCaption = NormaliseCaption(persianCaption);
    englishCaption = NormaliseCaption(englishCaption);
    if (persianCaption.isEmpty())
        persianCaption = englishCaption;
    if (englishCaption.isEmpty())
        englishCaption = persianCaption;
    if (englishCaption.isEmpty())
        return 0;

    // The caption is matched with like, as typed: "%", "_" and "[" stand for
    // themselves, and the two forms of ی, ک and the digits are one. It is
    // bound, so an apostrophe in it cannot break the statement.
    const sql::Dialect dialect = sql::Dialect::Of(db);
    db::Recordset rs = db.openRecordset(CaptionLookupStatement(dialect), {dialect.boundLiteral(englishCaption)});
    if (rs.eof()) {
        const db::ProcedureResult result = db.callProcedure(
            QStringLiteral("spKelvoAddCaption"),
            {{QStringLiteral("@PVCaption"), persianCaption}, {QStringLiteral("@EngCaption"), englishCaption}});
        return result.returnValue.toInt();
    }
    int id = 0;
    text::ToInt32(text::LeadingNumber(rs.text(QStringLiteral("ID"))), id);
    return id;
}

QString GetCaptionText(db::Connection& db, int captionNumber)
{
    db::Recordset persian = db.openRecordset(
        QStringLiteral("SELECT * from tblKelvoLangCaption Where CaptionID = ? AND LangID=?"),
        {captionNumber, kPersianLanguage});
    if (!persian.eof()) {
        const QString text = persian.text(QStringLiteral("Caption"));
        if (!text.isEmpty())
            return text;
    }
    db::Recordset english =
        db.openRecordset(QStringLiteral("SELECT * from tblKelvoCaption Where ID = ?"), {captionNumber});
    if (!english.eof())
        return english.text(QStringLiteral("EngCaption"));
    return {};
}

} // namespace kelvo::repository
