#include "query/DictionaryStatements.h"

#include "sql/SqlDialect.h"

namespace kelvo::query {

QString DictionaryColumnsStatement(bool oracle)
{
    if (oracle)
        return QStringLiteral(
            "Select tblKelvoTable.Name as TableName,tblKelvoTable.Description as TableDesc,"
            "NVL(tblKelvoColumn.Name,'') as ColumnName,NVL(tblKelvoColumn.Description,'') as ColumnDesc,"
            "NVL(tblKelvoColumn.Type,'') as ColumnType,NVL(MajorView,'') as MajorView,"
            "NVL(MinorView,'') as MinorView,NVL(tblKelvoControlType.Name,'') as component  "
            "from tblKelvoTable Left Outer Join tblKelvoColumn On tblKelvoTable.Name=tblKelvoColumn.TableName "
            "Left Outer Join tblKelvoControlType On tblKelvoColumn.ControlID=tblKelvoControlType.ID "
            "Where tblKelvoTable.Name=tblKelvoColumn.TableName and TableName=?");
    return QStringLiteral(
        "Select tblKelvoTable.Name as TableName,tblKelvoTable.Description as TableDesc,"
        "isnull(tblKelvoColumn.Name,'') as ColumnName,isnull(tblKelvoColumn.Description,'') as ColumnDesc,"
        "isnull(tblKelvoColumn.Type,'') as ColumnType,isnull(MajorView,'') as MajorView,"
        "isnull(MinorView,'') as MinorView  "
        "from tblKelvoTable Left Outer Join tblKelvoColumn On tblKelvoTable.Name=tblKelvoColumn.TableName "
        "Where tblKelvoTable.Name=tblKelvoColumn.TableName and TableName=?");
}

QString ColumnReferenceStatement()
{
    return QStringLiteral(
        "Select  tblKelvoColumn.Name, tblKelvoColumn.Description as ColumnDesc, "
        "tblKelvoTable.Description as TableDesc, TableName from tblKelvoColumn inner join tblKelvoTable "
        "On TableName=tblKelvoTable.Name Where TableName like ?") +
           sql::Dialect::likeEscape() + QStringLiteral(" and tblKelvoColumn.Name like ?") + sql::Dialect::likeEscape();
}

QString DescribedTablesStatement(const sql::Dialect& dialect, bool atInit)
{
    return QStringLiteral("SELECT * FROM tblKelvoTable ") + (atInit ? QStringLiteral("") : QStringLiteral(" ")) +
           QStringLiteral("Where ") + dialect.length(QStringLiteral("Description")) +
           (atInit ? QStringLiteral(">0 ") : QStringLiteral(">0"));
}

} // namespace kelvo::query
