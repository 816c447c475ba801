// The demo's six sample reports, stored as the report manager and the SQL
// editor store them: English and Farsi query texts (the English one split
// into SQLQuery and Reserved at 8000 characters), layout rows, parameters,
// a chart, an action button and the grants to the top position.
// Rows are built from concatenated texts inside braced value lists, which
// want plain QString results rather than string builders.
#undef QT_USE_QSTRINGBUILDER

#include "schema/demo/DemoBuilder.h"

#include <QDate>

#include "platform/db/sqlite/SqliteBackend.h"

namespace kelvo::schema::demo {

namespace {

constexpr qsizetype kQueryChunk = 8000;
constexpr int kReportFormType = 2302;

QString tableDescription(const QString& table)
{
    for (const TableDef& t : DemoTables())
        if (table == QLatin1String(t.name))
            return fa(t.description);
    return table;
}

QString columnDescription(const QString& table, const QString& column)
{
    for (const TableDef& t : DemoTables())
        if (table == QLatin1String(t.name))
            for (const ColumnDef& c : t.columns)
                if (column == QLatin1String(c.name))
                    return fa(c.description);
    return column;
}

// "tblEmployee.FirstName" in its Farsi reading: "کارکنان_نام".
QString farsiRef(const QString& ref)
{
    const qsizetype dot = ref.indexOf(u'.');
    const QString table = ref.left(dot);
    return tableDescription(table) + u'_' + columnDescription(table, ref.mid(dot + 1));
}

struct Item {
    QString english; // column reference, or an aggregate around one
    QString caption;
    int alignment = 7;
    int width = 1500;
    bool sum = false;
};

Item col(const char* ref, const char* caption, int width = 1500, bool sum = false)
{
    return {QString::fromLatin1(ref), fa(caption), sum ? 1 : 7, width, sum};
}

QString farsiItem(const QString& english)
{
    static const std::pair<const char*, const char*> aggregates[] = {{"COUNT(", "تعداد("}, {"SUM(", "مجموع("}};
    for (const auto& [en, word] : aggregates)
        if (english.startsWith(QLatin1String(en)))
            return fa(word) + farsiRef(english.mid(qstrlen(en)).chopped(1)) + u')';
    return farsiRef(english);
}

struct Query {
    QList<Item> items;
    QStringList from;
    QString where, farsiWhere;
    QStringList groupBy;
    QStringList orderBy;

    // The stored forms: each clause's keyword, a blank, the clause, a blank.
    QString english() const
    {
        QStringList select;
        for (const Item& i : items)
            select << i.english + QStringLiteral(" as '") + i.caption + u'\'';
        QString q = QStringLiteral("SELECT ") + select.join(QStringLiteral(", ")) + QStringLiteral(" FROM ") +
                    from.join(QStringLiteral(", ")) + u' ';
        if (!where.isEmpty())
            q += QStringLiteral("WHERE ") + where + u' ';
        if (!groupBy.isEmpty())
            q += QStringLiteral("GROUP BY ") + groupBy.join(QStringLiteral(", ")) + u' ';
        if (!orderBy.isEmpty())
            q += QStringLiteral("ORDER BY ") + orderBy.join(QStringLiteral(", ")) + u' ';
        return q;
    }
    QString farsi() const
    {
        const QString sep = QStringLiteral("، ");
        QStringList select, tables, groups, orders;
        for (const Item& i : items)
            select << farsiItem(i.english);
        for (const QString& t : from)
            tables << tableDescription(t);
        for (const QString& g : groupBy)
            groups << farsiRef(g);
        for (const QString& o : orderBy)
            orders << farsiRef(o);
        QString q = fa("انتخاب ") + select.join(sep) + u' ' + fa("از جداول ") + tables.join(sep) + u' ';
        if (!farsiWhere.isEmpty())
            q += fa("به شرطیکه ") + farsiWhere + u' ';
        if (!groups.isEmpty())
            q += fa("به تفکیک ") + groups.join(sep) + u' ';
        if (!orders.isEmpty())
            q += fa("مرتبسازی با ") + orders.join(sep) + u' ';
        return q;
    }
};

struct Report {
    const char* title;
    const char* alias;
    const char* notes;
    int system;
    int group;
    int isGeneral;
    Query query;
    QString sp, farsiSp;
    QList<Item> spColumns; // result columns of a procedure report, for its layout
};

int writeReport(RowWriter& w, const Report& r, const QDate& created)
{
    const QString english = r.sp.isEmpty() ? r.query.english() : QString();
    const QString farsi = r.sp.isEmpty() ? r.query.farsi() : QString();
    const QStringList cols{
        QStringLiteral("Title"),         QStringLiteral("Alias"),           QStringLiteral("Notes"),
        QStringLiteral("SystemID"),      QStringLiteral("GroupID"),         QStringLiteral("CreatorID"),
        QStringLiteral("CreateDate"),    QStringLiteral("FarsiCreateDate"), QStringLiteral("IsGeneral"),
        QStringLiteral("MakeSecure"),    QStringLiteral("MediaVisible"),    QStringLiteral("MakeTree"),
        QStringLiteral("ShowFlatternParameters"), QStringLiteral("SQLQuery"), QStringLiteral("FarsiSQLQuery"),
        QStringLiteral("Reserved"),      QStringLiteral("IsStoredProcedure"), QStringLiteral("SQLSP"),
        QStringLiteral("FarsiSQLSP"),    QStringLiteral("MakeTranspose"),   QStringLiteral("IsMerged"),
        QStringLiteral("Cols"),          QStringLiteral("ReportRowHeight"), QStringLiteral("ColWidth"),
        QStringLiteral("RowHeight"),     QStringLiteral("GridRowHeight"),   QStringLiteral("ShowDiagram")};
    const QVariant id = w.insert(
        QStringLiteral("tblKelvoReport"), cols,
        {fa(r.title), QString::fromLatin1(r.alias), fa(r.notes), r.system, r.group, 1, IsoDate(created),
         JalaliDate(created), r.isGeneral, 0, 0, 0, 1, english.isEmpty() ? QVariant() : QVariant(english.left(kQueryChunk)),
         farsi.isEmpty() ? QVariant() : QVariant(farsi),
         english.size() > kQueryChunk ? QVariant(english.mid(kQueryChunk)) : QVariant(), r.sp.isEmpty() ? 0 : 1,
         r.sp.isEmpty() ? QVariant() : QVariant(r.sp), r.farsiSp.isEmpty() ? QVariant() : QVariant(r.farsiSp), 0, 0, 2,
         400, 4000, 400, 300, 0});

    // Grid column 0 holds the row numbers; result columns follow from 1.
    const QList<Item>& items = r.sp.isEmpty() ? r.query.items : r.spColumns;
    const QStringList layoutCols{QStringLiteral("ReportID"),  QStringLiteral("ColumnNumber"),
                                 QStringLiteral("Alignment"), QStringLiteral("Width"),
                                 QStringLiteral("MergeType"), QStringLiteral("TransposeType"),
                                 QStringLiteral("MakeSum"),   QStringLiteral("MakeAverage")};
    w.insert(QStringLiteral("tblKelvoReportLayout"), layoutCols, {id, 0, 4, 500, 0, 0, 0, 0});
    for (int c = 0; c < items.size(); ++c)
        w.insert(QStringLiteral("tblKelvoReportLayout"), layoutCols,
                 {id, c + 1, items[c].alignment, items[c].width, 0, 0, items[c].sum ? 1 : 0, 0});

    w.insert(QStringLiteral("tblKelvoAllowablePositions"),
             {QStringLiteral("FormID"), QStringLiteral("FormTypeID"), QStringLiteral("SecurePositionID"),
              QStringLiteral("CanEdit"), QStringLiteral("SecureUserID"), QStringLiteral("IsActive"),
              QStringLiteral("ActivatorUserID"), QStringLiteral("ActivateDate"), QStringLiteral("PVActivateDate"),
              QStringLiteral("DeactivatorUserID"), QStringLiteral("DeactivateDate"), QStringLiteral("PVDeactivateDate")},
             {id, kReportFormType, 1, 1, 1, 1, 1, IsoDate(created), JalaliDate(created), -1,
              QStringLiteral("1900-01-01"), QString()});
    return id.toInt();
}

void writeParameter(RowWriter& w, int report, int parameterId, const char* name, const char* type, int control,
                    const char* description, const QVariant& major, const QVariant& minor)
{
    w.insert(QStringLiteral("tblKelvoReportParameter"),
             {QStringLiteral("ReportID"), QStringLiteral("ParameterID"), QStringLiteral("Name"), QStringLiteral("Type"),
              QStringLiteral("ControlTypeID"), QStringLiteral("Description"), QStringLiteral("MajorView"),
              QStringLiteral("MinorView"), QStringLiteral("ColSpan"), QStringLiteral("RowSpan"),
              QStringLiteral("Sequence"), QStringLiteral("Visible"), QStringLiteral("CaptionID")},
             {report, parameterId, QString::fromLatin1(name), QString::fromLatin1(type), control, fa(description), major,
              minor, 1, 1, parameterId, 1, QVariant()});
}

// A product list whose condition names a long list of codes: its English
// text runs past 8000 characters.
Query longProductQuery()
{
    Query q;
    q.items = {col("tblProduct.Code", "کد کالا", 1200), col("tblProduct.Name", "نام کالا", 3000),
               col("tblProduct.SalePrice", "قیمت فروش", 1800)};
    q.from = {QStringLiteral("tblProduct")};
    QStringList codes;
    for (int i = 1; i <= 1000; i += 1)
        codes << QStringLiteral("'P-%1'").arg(i, 4, 10, QChar(u'0'));
    const QString list = QStringLiteral("(") + codes.join(QStringLiteral(", ")) + u')';
    q.where = QStringLiteral("tblProduct.IsActive = 1 AND tblProduct.Code IN ") + list;
    q.farsiWhere = farsiRef(QStringLiteral("tblProduct.IsActive")) + QStringLiteral(" = 1 ") + fa("و ") +
                   farsiRef(QStringLiteral("tblProduct.Code")) + QStringLiteral(" IN ") + list;
    q.orderBy = {QStringLiteral("tblProduct.Code")};
    return q;
}

} // namespace

void WriteReports(RowWriter& w)
{
    const QDate created(2024, 5, 1);

    Report list{"فهرست کارکنان", "EmpList", "فهرست همه کارکنان به ترتیب نام خانوادگی", 1, 2, 1, {}, {}, {}, {}};
    list.query.items = {col("tblEmployee.PersonnelCode", "کد پرسنلی", 1200), col("tblEmployee.FirstName", "نام"),
                        col("tblEmployee.SureName", "نام خانوادگی", 2000), col("tblEmployee.BirthDate", "تاریخ تولد")};
    list.query.from = {QStringLiteral("tblEmployee")};
    list.query.orderBy = {QStringLiteral("tblEmployee.SureName")};
    writeReport(w, list, created);

    Report join{"فاکتورهای فروش", "Invoices", "فاکتورها با نام مشتری", 2, 2, 0, {}, {}, {}, {}};
    join.query.items = {col("tblInvoice.InvoiceNo", "شماره فاکتور", 1200),
                        col("tblInvoice.FarsiInvoiceDate", "تاریخ فاکتور", 1200), col("tblCustomer.Name", "مشتری", 3000),
                        col("tblInvoice.TotalAmount", "مبلغ کل", 1800, true),
                        col("tblInvoice.IsSettled", "تسویه شده", 900)};
    join.query.from = {QStringLiteral("tblInvoice"), QStringLiteral("tblCustomer")};
    join.query.where = QStringLiteral("tblCustomer.ID = tblInvoice.CustomerID");
    join.query.farsiWhere = farsiRef(QStringLiteral("tblCustomer.ID")) + QStringLiteral(" = ") +
                            farsiRef(QStringLiteral("tblInvoice.CustomerID"));
    join.query.orderBy = {QStringLiteral("tblInvoice.InvoiceNo")};
    const int joinId = writeReport(w, join, created.addDays(3));
    // Unsettled invoices (grid column 5 holds 0) in red on light yellow.
    w.db().execute(QStringLiteral("UPDATE tblKelvoReport SET ColoryReportColumn = 5, ColoringType = 1 WHERE ID = ?"),
                   {joinId});
    w.insert(QStringLiteral("tblKelvoReportColor"),
             {QStringLiteral("ReportID"), QStringLiteral("Value"), QStringLiteral("ForeColor"), QStringLiteral("BackColor")},
             {joinId, QStringLiteral("0"), 0x0000FF, 0xC0FFFF});
    const QVariant button =
        w.insert(QStringLiteral("tblKelvoReportButtons"),
                 {QStringLiteral("ReportID"), QStringLiteral("Caption"), QStringLiteral("SPName")},
                 {joinId, fa("تسویه فاکتور"), QStringLiteral("spDemoSettleInvoice")});
    w.insert(QStringLiteral("tblKelvoReportButtonsDetail"),
             {QStringLiteral("ButtonID"), QStringLiteral("Seq"), QStringLiteral("ParName"), QStringLiteral("Type")},
             {button, 1, fa("شماره فاکتور"), QStringLiteral("int")});

    Report grouped{"خلاصه فروش مشتریان", "CustSales", "تعداد و جمع مبلغ فاکتورهای هر مشتری", 2, 1, 0, {}, {}, {}, {}};
    grouped.query.items = {col("tblCustomer.Name", "مشتری", 3000), col("COUNT(tblInvoice.ID)", "تعداد فاکتور", 1200, true),
                           col("SUM(tblInvoice.TotalAmount)", "جمع مبلغ", 2000, true)};
    grouped.query.from = join.query.from;
    grouped.query.where = join.query.where;
    grouped.query.farsiWhere = join.query.farsiWhere;
    grouped.query.groupBy = {QStringLiteral("tblCustomer.Name")};
    grouped.query.orderBy = {QStringLiteral("tblCustomer.Name")};
    const int groupedId = writeReport(w, grouped, created.addDays(7));
    w.insert(QStringLiteral("tblKelvoReportDiagram"),
             {QStringLiteral("ReportID"), QStringLiteral("IsAccumulative"), QStringLiteral("DiagramTypeID"),
              QStringLiteral("ChartXColNo")},
             {groupedId, 0, 3, 1});
    w.insert(QStringLiteral("tblKelvoReportDiagramCols"), {QStringLiteral("ReportID"), QStringLiteral("ChartYColNo")},
             {groupedId, 3});

    Report withParameter{"کارکنان یک واحد سازمانی", "DeptEmp", "کارکنان واحدی که کاربر انتخاب میکند", 1, 2, 0, {}, {}, {}, {}};
    withParameter.query.items = list.query.items;
    withParameter.query.items << col("tblEmployee.Salary", "حقوق", 1800, true);
    withParameter.query.from = list.query.from;
    withParameter.query.where = QStringLiteral("tblEmployee.DepartmentID = @DepartmentID");
    withParameter.query.farsiWhere = farsiRef(QStringLiteral("tblEmployee.DepartmentID")) + QStringLiteral(" = @DepartmentID");
    withParameter.query.orderBy = list.query.orderBy;
    const int parameterReport = writeReport(w, withParameter, created.addDays(10));
    writeParameter(w, parameterReport, 1, "DepartmentID", "int", 13, "واحد سازمانی", QStringLiteral("vwDepartmentMajor"),
                   QStringLiteral("vwDepartmentMinor"));

    Report procedure{"فروش ماهانه", "MonthSales", "تعداد و مبلغ فروش هر ماه در یک بازه", 2, 3, 0, {}, {}, {}, {}};
    procedure.sp = QStringLiteral("spDemoSalesByMonth @FromDate, @ToDate");
    procedure.farsiSp = QStringLiteral("spDemoSalesByMonth ") + fa("@از تاریخ، @تا تاریخ");
    procedure.spColumns = {col("", "ماه", 1200), col("", "تعداد فاکتور", 1200, true), col("", "جمع فروش", 2000, true)};
    const int procedureId = writeReport(w, procedure, created.addDays(14));
    writeParameter(w, procedureId, 1, "FromDate", "nvarchar", 1005, "از تاریخ", QVariant(), QVariant());
    writeParameter(w, procedureId, 2, "ToDate", "nvarchar", 1005, "تا تاریخ", QVariant(), QVariant());

    Report longQuery{"کالاهای منتخب", "Chosen", "فهرست کالاهای فعال از میان کدهای منتخب", 3, 2, 0, {}, {}, {}, {}};
    longQuery.query = longProductQuery();
    writeReport(w, longQuery, created.addDays(20));

    // The invoices of one customer, opened from a row of the customer summary:
    // its parameter takes the row's customer name.
    Report customerInvoices{"فاکتورهای یک مشتری", "CustInv", "فاکتورهای مشتری انتخاب شده از خلاصه فروش", 2, 2, 0,
                            {}, {}, {}, {}};
    customerInvoices.query.items = {join.query.items[0], join.query.items[1], join.query.items[3],
                                    join.query.items[4]};
    customerInvoices.query.from = join.query.from;
    customerInvoices.query.where = join.query.where + QStringLiteral(" AND tblCustomer.Name = @CustomerName");
    customerInvoices.query.farsiWhere =
        join.query.farsiWhere + fa(" و ") + farsiRef(QStringLiteral("tblCustomer.Name")) + fa(" = @مشتری");
    customerInvoices.query.orderBy = join.query.orderBy;
    const int customerInvoicesId = writeReport(w, customerInvoices, created.addDays(24));
    writeParameter(w, customerInvoicesId, 1, "CustomerName", "nvarchar", 1002, "مشتری", QVariant(), QVariant());
    w.insert(QStringLiteral("tblKelvoRelatedReports"),
             {QStringLiteral("CallerReportID"), QStringLiteral("CalledReportID"), QStringLiteral("CalledParameterID"),
              QStringLiteral("CallerReportColumn"), QStringLiteral("CallerParameterID"), QStringLiteral("isSecondary")},
             {groupedId, customerInvoicesId, 1, fa("مشتری"), QVariant(), 0});
}

} // namespace kelvo::schema::demo
