#include "parameters/ParameterStatements.h"

#include "sql/SqlDialect.h"

namespace kelvo::parameters::statements {

QString SqlTypeNames()
{
    return QStringLiteral("Select distinct name from systypes");
}

QString ControlTypes()
{
    return QStringLiteral("SELECT * FROM tblKelvoControlType");
}

QString ParameterList()
{
    return QStringLiteral("Select * from tblKelvoReportParameter Where ReportID = ? Order by Sequence");
}

QString Parameter()
{
    return QStringLiteral("Select * from tblKelvoReportParameter Where ParameterID = ? AND ReportID = ?");
}

QString MaxSequence()
{
    return QStringLiteral("SELECT MAX(Sequence) as MAXSEQ FROM tblKelvoReportParameter WHERE ReportID = ?");
}

QString ReportRow()
{
    return QStringLiteral("Select * from tblKelvoReport Where ID = ?");
}

QString FormGrid(const sql::Dialect& dialect)
{
    return QStringLiteral("SELECT %1 as Cols,  4000 as Width, %2 as RowHeight FROM tblKelvoReport WHERE ID = ?")
        .arg(dialect.isNull(QStringLiteral("Cols"), QStringLiteral("1")),
             dialect.isNull(QStringLiteral("ReportRowHeight"), QStringLiteral("400")));
}

QString ParameterWithCaption()
{
    return QStringLiteral("Select * from tblKelvoReportParameter Where ReportID = ? AND CaptionID = ?");
}

QString OtherParameterWithTitle()
{
    return QStringLiteral("Select * from tblKelvoReportParameter Where ReportID = ? AND Name like ?") +
           sql::Dialect::likeEscape() + QStringLiteral(" AND ParameterID <> ?");
}

QString NewParameterID(const sql::Dialect& dialect)
{
    return QStringLiteral("Select %1+1 as newParameterID From tblKelvoReportParameter Where ReportID = ?")
        .arg(dialect.isNull(QStringLiteral("Max(ParameterID)"), QStringLiteral("0")));
}

QString InsertParameter()
{
    return QStringLiteral(
        " Insert into tblKelvoReportParameter "
        "(ReportID, ParameterID, Name, Type, ControlTypeID, Description, MajorView, MinorView, ColSpan, RowSpan, "
        "Sequence, Visible, CaptionID) "
        " VALUES (?, ? , ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
}

QString UpdateParameter()
{
    return QStringLiteral("Update tblKelvoReportParameter "
                          " SET Name = ?"
                          " ,Type = ?"
                          " ,ControlTypeID = ? ,Description = ? ,MajorView = ? ,MinorView = ?"
                          " ,ColSpan = ? ,RowSpan = ? ,Sequence = ? ,Visible = ? ,CaptionID = ?"
                          " Where ParameterID = ? AND ReportID = ?");
}

QString DeleteParameter()
{
    return QStringLiteral("Delete tblKelvoReportParameter Where ParameterID = ? And ReportID = ?");
}

QString DeleteAllParameters()
{
    return QStringLiteral("Delete tblKelvoReportParameter Where ReportID = ?");
}

QString ParameterWiderThan()
{
    return QStringLiteral("SELECT Colspan from tblKelvoReportParameter Where ReportID = ? AND Colspan > ?");
}

QString UpdateFormGrid()
{
    return QStringLiteral("Update tblKelvoReport SET Cols = ? , ReportRowHeight=? Where ID =?");
}

QString CreateParameterProcedure()
{
    return QStringLiteral("spKelvoCreateReportParameter");
}

QString LinksOfCaller()
{
    return QStringLiteral("Select * from tblKelvoRelatedReports Where CallerReportID=?");
}

QString ParametersByNumber()
{
    return QStringLiteral("Select * from tblKelvoReportParameter Where ReportID=? Order by ParameterID");
}

QString LinksBetween()
{
    return QStringLiteral("Select * from tblKelvoRelatedReports Where CallerReportID=? and CalledReportID=?");
}

QString DeletePrimaryLinks(const sql::Dialect& dialect)
{
    return QStringLiteral("Delete tblKelvoRelatedReports Where CallerReportID=? and %1=0")
        .arg(dialect.isNull(QStringLiteral("isSecondary"), QStringLiteral("0")));
}

QString InsertLink()
{
    return QStringLiteral("Insert Into tblKelvoRelatedReports (CallerReportID, CalledReportID, CalledParameterID, "
                          "CallerReportColumn, CallerParameterID) Values(?, ?, ?, ?, ?)");
}

QString DeleteAllLinks()
{
    return QStringLiteral("Delete tblKelvoRelatedReports Where CallerReportID=?");
}

QString ReportButtons()
{
    return QStringLiteral("select * from tblKelvoReportButtons where ReportID=?");
}

QString Button()
{
    return QStringLiteral("select * from tblKelvoReportButtons where Id=?");
}

QString StoredProcedureByName()
{
    return QStringLiteral("select * from vwStoredProcedures where name=?");
}

QString ButtonDetails()
{
    return QStringLiteral("select * from tblKelvoReportButtonsDetail where ButtonID= ? order by seq ");
}

QString InsertButton()
{
    return QStringLiteral("insert into tblKelvoReportButtons(ReportID,Caption,SPName)values(? ,?,? ) ");
}

QString UpdateButton()
{
    return QStringLiteral("update tblKelvoReportButtons   set  Caption=? ,ReportID=? ,SPName=?  where ID=?");
}

QString DeleteButtonDetails()
{
    return QStringLiteral("delete from tblKelvoReportButtonsDetail  where ButtonID= ?");
}

QString InsertButtonDetail()
{
    return QStringLiteral("insert into tblKelvoReportButtonsDetail(ButtonID,Seq,ParName,Type)values(?,?  ,?,?)");
}

QString DeleteButton()
{
    return QStringLiteral("delete from tblKelvoReportButtons where ID=?");
}

} // namespace kelvo::parameters::statements
