#include "parameters/ReportButtons.h"

#include "parameters/ParameterStatements.h"
#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"

namespace kelvo::parameters {

QList<ButtonEntry> ReportButtons(db::Connection& db, qint32 reportID)
{
    QList<ButtonEntry> buttons;
    for (db::Recordset rs = db.openRecordset(statements::ReportButtons(), {reportID}, db::CursorType::ForwardOnly);
         !rs.eof(); rs.moveNext())
        buttons.append({rs.value(QStringLiteral("ID")).toInt(), rs.text(QStringLiteral("Caption")),
                        rs.text(QStringLiteral("SPName"))});
    return buttons;
}

std::optional<ButtonDefinition> LoadButton(db::Connection& db, qint32 buttonID)
{
    ButtonDefinition button;
    {
        db::Recordset rs = db.openRecordset(statements::Button(), {buttonID}, db::CursorType::ForwardOnly);
        if (rs.eof())
            return std::nullopt;
        button.id = buttonID;
        button.caption = rs.text(QStringLiteral("Caption"));
        button.procedure = rs.text(QStringLiteral("SPName"));
    }
    for (db::Recordset rs = db.openRecordset(statements::ButtonDetails(), {buttonID}, db::CursorType::ForwardOnly);
         !rs.eof(); rs.moveNext())
        button.values << rs.text(QStringLiteral("ParName"));
    return button;
}

std::optional<int> StoredProcedureID(db::Connection& db, const QString& name)
{
    db::Recordset rs = db.openRecordset(statements::StoredProcedureByName(), {name}, db::CursorType::ForwardOnly);
    if (rs.eof())
        return std::nullopt;
    return rs.value(QStringLiteral("ID")).toInt();
}

qint32 SaveButton(db::Connection& db, qint32 reportID, const ButtonDefinition& button,
                  const QList<repository::ProcedureParameterInfo>& parameters)
{
    db::Transaction transaction(db);
    qint32 id = button.id;
    if (id <= 0)
        id = db.execute(statements::InsertButton(), {reportID, button.caption, button.procedure}).lastInsertId.toInt();
    else
        db.execute(statements::UpdateButton(), {button.caption, reportID, button.procedure, id});
    db.execute(statements::DeleteButtonDetails(), {id});
    for (qsizetype i = 0; i < button.values.size(); ++i)
        db.execute(statements::InsertButtonDetail(),
                   {id, int(i + 1), button.values[i], i < parameters.size() ? parameters[i].type : QString()});
    transaction.commit();
    return id;
}

void DeleteButton(db::Connection& db, qint32 buttonID)
{
    db::Transaction transaction(db);
    db.execute(statements::DeleteButtonDetails(), {buttonID});
    db.execute(statements::DeleteButton(), {buttonID});
    transaction.commit();
}

} // namespace kelvo::parameters
