#include "repository/Captions.h"

#include "platform/db/Connection.h"
#include "query/TextPrimitives.h"

namespace kelvo::repository {

namespace {

QString NormaliseCaption(const QString& caption)
{
    QString text = query::text::TrimBlanks(caption);
    if (text.endsWith(u':'))
        text.chop(1);
    return query::text::TrimBlanks(text);
}

} // namespace

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

    // The caption is matched with like, "%" and "_" acting as wildcards; it is
    // bound, so an apostrophe in it cannot break the statement.
    db::Recordset rs = db.openRecordset(QStringLiteral("Select * from tblKelvoCaption Where EngCaption like ?"),
                                        {englishCaption});
    if (rs.eof()) {
        const db::ProcedureResult result = db.callProcedure(
            QStringLiteral("spKelvoAddCaption"),
            {{QStringLiteral("@PVCaption"), persianCaption}, {QStringLiteral("@EngCaption"), englishCaption}});
        return result.returnValue.toInt();
    }
    int id = 0;
    query::text::ToInt32(query::text::LeadingNumber(rs.text(QStringLiteral("ID"))), id);
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
