#include "design/DesignStatements.h"

#include "sql/SqlDialect.h"

namespace kelvo::design::statements {

using sql::Dialect;

QString ReportRow()
{
    return QStringLiteral("select * from tblKelvoReport where ID = ?");
}

QString UpdateSqlQuery()
{
    return QStringLiteral("Update tblKelvoReport set SQLQuery = ? Where Id=?");
}

QString UpdateFarsiSqlQuery()
{
    return QStringLiteral("Update tblKelvoReport set FarsiSQLQuery = ? Where Id=?");
}

QString UpdateReserved()
{
    return QStringLiteral("Update tblKelvoReport set Reserved = ? where Id=?");
}

QString UpdateIsStoredProcedure()
{
    return QStringLiteral("Update tblKelvoReport set IsStoredProcedure=? Where ID=?");
}

QString UpdateProcedureCall()
{
    return QStringLiteral("Update tblKelvoReport Set SQLSP=?, FarsiSQLSP=? Where ID = ?");
}

QString ReportParameters()
{
    return QStringLiteral("Select * from tblKelvoReportParameter Where ReportID = ? Order by Name");
}

QString ParameterWithControl()
{
    return QStringLiteral(
        "Select tblKelvoReportParameter.*, tblKelvoControlType.name as componentName from tblKelvoReportParameter "
        "Join tblKelvoControlType On tblKelvoControlType.ID = ControlTypeID "
        "Where tblKelvoReportParameter.ParameterID =? AND ReportID= ?");
}

QString UpdateParameterTypeAndViews()
{
    return QStringLiteral("Update tblKelvoReportParameter Set Type=?, MajorView=?, MinorView=? "
                          "Where ParameterID=? AND ReportID=?");
}

QString RootSystems(const Dialect& dialect, int systemID)
{
    const QString name = dialect.isNull(QStringLiteral("Name"), QStringLiteral("''"));
    const QString head =
        QStringLiteral("SELECT ID,") + name + QStringLiteral(" as Description, ") + name + QStringLiteral(" as Name FROM tblKelvoSystem Where ");
    if (systemID == -1)
        return head + dialect.length(QStringLiteral("Name")) +
               QStringLiteral(">0 and (NotVisible=0 or NotVisible is null) Order By ID");
    // A subsystem sees the shared systems and its own; on SQL Server the list
    // begins with ID itself, so every visible named system is listed there.
    QString list = dialect.isOracle() ? QStringLiteral("20,25,24,") : QStringLiteral("ID, 20,25,24,");
    if (systemID == 4 || systemID == 7 || systemID == 8 || systemID == 9 || systemID == 10 || systemID == 16)
        list += QStringLiteral("6,");
    if (systemID == 16)
        list += QStringLiteral("4,");
    return head + QStringLiteral(" ID in (") + list + QString::number(systemID) + QStringLiteral(" ) and ") +
           dialect.length(QStringLiteral("Name")) + QStringLiteral(">0 Order By ID");
}

QString SystemTables(const Dialect& dialect)
{
    return QStringLiteral("SELECT tblKelvoTable.*, case when exists (select 1 from tblKelvoColumn c "
                          "where c.TableName = tblKelvoTable.Name) then 1 else 0 end as HasChildren "
                          "FROM tblKelvoTable Where (Visible=1 or Visible is null) and ") +
           dialect.length(QStringLiteral("tblKelvoTable.Description")) +
           QStringLiteral(">0 and SystemID=? Order By Type");
}

QString SystemHasTables()
{
    return QStringLiteral("SELECT ID FROM tblKelvoTable WHERE (Visible=1 or Visible is null) and SystemID=?");
}

QString TableColumns(const Dialect& dialect)
{
    return QStringLiteral("SELECT tblKelvoColumn.*, 0 as HasChildren FROM tblKelvoColumn Where ") +
           dialect.length(QStringLiteral("tblKelvoColumn.Description")) +
           QStringLiteral(">0 and TableName=? Order by OrderNumber");
}

QString SystemOfTable()
{
    return QStringLiteral("select SystemID from tblKelvoTable Where Name like ?") + Dialect::likeEscape();
}

QString DictionaryColumn()
{
    return QStringLiteral("Select * from tblKelvoColumn Where TableName like ?") + Dialect::likeEscape() +
           QStringLiteral(" and Name like ?") + Dialect::likeEscape();
}

QString RelationOfColumn()
{
    return QStringLiteral("Select * from tblKelvoRelatedTables Where ForeignKey like ?") + Dialect::likeEscape() +
           QStringLiteral(" and DependentTable like ?") + Dialect::likeEscape();
}

QString RelationsBetween()
{
    return QStringLiteral("Select * from tblKelvoRelatedTables Where (ReferenceTable=? and DependentTable=?) "
                          "or (ReferenceTable=? and DependentTable=?)");
}

QString TableDescription()
{
    return QStringLiteral("Select Description from tblKelvoTable Where Name like ?") + Dialect::likeEscape();
}

namespace {

// SQL Server's "top" on the first form, a row-number limit around it on Oracle.
QString LimitedTo32000(const Dialect& dialect, const QString& selectList, const QString& rest)
{
    if (dialect.isOracle())
        return QStringLiteral("Select * from (Select Distinct ") + selectList + rest +
               QStringLiteral(") Where rownum <= 32000");
    return QStringLiteral("Select Distinct top 32000 ") + selectList + rest;
}

} // namespace

QString DistinctValues(const Dialect& dialect, const QString& table, const QString& column)
{
    return LimitedTo32000(dialect, column + QStringLiteral(" as ColVal"),
                          QStringLiteral(" From ") + table + QStringLiteral(" Where ") + column +
                              QStringLiteral(" Is Not NULL Order By ") + column + QStringLiteral(" desc"));
}

QString DistinctValuesWithNames(const Dialect& dialect, const QString& table, const QString& column,
                                const QString& referredTable, const QString& nameColumn)
{
    const QString name = dialect.isOracle()
                             ? QString(QStringLiteral("(Select tblAlias.") + nameColumn + QStringLiteral(" from ") +
                                   referredTable + QStringLiteral(" tblAlias Where tblAlias.ID=") + table + u'.' +
                                   column + QStringLiteral(" and rownum = 1)"))
                             : QString(QStringLiteral("(Select Top 1 tblAlias.") + nameColumn + QStringLiteral(" from ") +
                                   referredTable + QStringLiteral(" tblAlias Where tblAlias.ID=") + table + u'.' +
                                   column + u')');
    return LimitedTo32000(dialect, column + QStringLiteral(" as ColVal, ") + name + QStringLiteral(" as ColDesc "),
                          QStringLiteral(" From ") + table + QStringLiteral(" Where ") + column +
                              QStringLiteral(" Is Not NULL Order By ") + column + QStringLiteral(" desc"));
}

} // namespace kelvo::design::statements
