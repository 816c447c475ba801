// The demo host's tables, their dictionary and the fixed host rows.
// Rows are built from concatenated texts inside braced value lists, which
// want plain QString results rather than string builders.
#undef QT_USE_QSTRINGBUILDER

#include "schema/demo/DemoBuilder.h"

#include "platform/db/sqlite/SqliteBackend.h"

#include <QCalendar>
#include <QDate>
#include <QRegularExpression>

namespace kelvo::schema::demo {

QString fa(const char* utf8)
{
    QString s = QString::fromUtf8(utf8);
    s.replace(QChar(0x06CC), QChar(0x064A)); // Persian Yeh -> Arabic Yeh
    s.replace(QChar(0x06A9), QChar(0x0643)); // Persian Kaf -> Arabic Kaf
    return s;
}

QString IsoDate(const QDate& date)
{
    return date.toString(QStringLiteral("yyyy-MM-dd"));
}

QString JalaliDate(const QDate& date)
{
    return date.toString(QStringLiteral("yyyy/MM/dd"), QCalendar(QCalendar::System::Jalali));
}

QVariant RowWriter::insert(const QString& table, const QStringList& columns, const QVariantList& values)
{
    const QString key = table + u'|' + columns.join(u',');
    auto it = m_statements.find(key);
    if (it == m_statements.end()) {
        QStringList marks;
        for (qsizetype i = 0; i < columns.size(); ++i)
            marks << QStringLiteral("?");
        it = m_statements.insert(key, QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                          .arg(table, columns.join(QStringLiteral(", ")), marks.join(QStringLiteral(", "))));
    }
    return m_db.execute(*it, values).lastInsertId;
}

namespace {

// Control types (tblKelvoControlType) the dictionary gives columns.
constexpr int kTextBox = 1002;
constexpr int kSelector = 13;
constexpr int kDate = 1005;
constexpr int kCheckBox = 1006;

constexpr int kReportFormType = 2302;

} // namespace

const std::vector<TableDef>& DemoTables()
{
    static const std::vector<TableDef> tables = {
        // Base information (system 20)
        {"tblCity", "شهرها", 20, 3, false,
         {{"ID", "int", "شناسه"}, {"Name", "nvarchar(50)", "نام شهر"}, {"Province", "nvarchar(50)", "استان"}},
         {"City", "Province", "Name", "ID", nullptr}},
        {"tblUnit", "واحدهای سنجش", 20, 3, false,
         {{"ID", "int", "شناسه"}, {"Name", "nvarchar(30)", "نام واحد"}},
         {"Unit", "CAST(ID AS nvarchar(10))", "Name", "ID", nullptr}},
        // Personnel (system 1)
        {"tblDepartment", "واحدهای سازمانی", 1, 3, false,
         {{"ID", "int", "شناسه"}, {"Code", "nvarchar(10)", "کد واحد"}, {"Name", "nvarchar(100)", "نام واحد"},
          {"ParentID", "int", "واحد بالاتر", "tblDepartment"}},
         {"Department", "Code", "Name", "coalesce(ParentID, 0)", nullptr}},
        {"tblJob", "مشاغل", 1, 3, false,
         {{"ID", "int", "شناسه"}, {"Name", "nvarchar(100)", "عنوان شغل"}, {"BaseSalary", "money", "حقوق پایه"}},
         {"Job", "CAST(ID AS nvarchar(10))", "Name", "BaseSalary", nullptr}},
        {"tblEmployee", "کارکنان", 1, 1, true,
         {{"ID", "int", "شناسه"},
          {"PersonnelCode", "nvarchar(10)", "کد پرسنلی"},
          {"FirstName", "nvarchar(50)", "نام"},
          {"SureName", "nvarchar(50)", "نام خانوادگی", nullptr, true},
          {"FatherName", "nvarchar(50)", "نام پدر"},
          {"NationalCode", "nvarchar(10)", "کد ملی"},
          {"IsMale", "bit", "مرد"},
          {"BirthDate", "nvarchar(10)", "تاریخ تولد"},
          {"HireDate", "datetime", "تاریخ استخدام"},
          {"DepartmentID", "int", "واحد سازمانی", "tblDepartment"},
          {"JobID", "int", "شغل", "tblJob"},
          {"CityID", "int", "شهر محل سکونت", "tblCity"},
          {"Salary", "money", "حقوق"},
          {"IsMarried", "bit", "متاهل"},
          {"ChildCount", "smallint", "تعداد فرزندان"}},
         {"Employee", "PersonnelCode", "FirstName || ' ' || SureName", "Salary", nullptr}},
        {"tblPosition", "پستهای سازمانی", 1, 3, true,
         {{"ID", "int", "شناسه"}, {"Name", "nvarchar(100)", "عنوان پست"},
          {"ParentID", "int", "پست بالاتر", "tblPosition"}, {"DepartmentID", "int", "واحد سازمانی", "tblDepartment"},
          {"EmployeeID", "int", "متصدی", "tblEmployee"}},
         {"Position", "CAST(ID AS nvarchar(10))", "Name", "coalesce(ParentID, 0)", nullptr}},
        {"tblLeaveType", "انواع مرخصی", 1, 3, false,
         {{"ID", "int", "شناسه"}, {"Name", "nvarchar(50)", "نوع مرخصی"}},
         {"LeaveType", "CAST(ID AS nvarchar(10))", "Name", "ID", nullptr}},
        {"tblLeave", "مرخصیها", 1, 2, false,
         {{"ID", "int", "شناسه"}, {"EmployeeID", "int", "کارمند", "tblEmployee"},
          {"LeaveTypeID", "int", "نوع مرخصی", "tblLeaveType"}, {"FromDate", "nvarchar(10)", "از تاریخ"},
          {"Days", "smallint", "تعداد روز"}, {"IsApproved", "bit", "تایید شده"}}},
        {"tblPayroll", "فیشهای حقوقی", 1, 2, false,
         {{"ID", "int", "شناسه"}, {"EmployeeID", "int", "کارمند", "tblEmployee"}, {"PayYear", "smallint", "سال"},
          {"PayMonth", "smallint", "ماه"}, {"BaseSalary", "money", "حقوق پایه"}, {"Overtime", "money", "اضافه کار"},
          {"Deduction", "money", "کسورات"}, {"NetPay", "money", "خالص پرداختی"},
          {"PayDate", "datetime", "تاریخ پرداخت"}, {"FarsiPayDate", "nvarchar(10)", "تاریخ شمسی پرداخت"}}},
        // Recorded by the host for its own use: no description, never offered.
        {"tblAuditLog", "", 1, 9, false,
         {{"ID", "int", "شناسه"}, {"EventDate", "datetime", "تاریخ رویداد"}, {"UserID", "int", "کاربر"},
          {"Action", "nvarchar(100)", "عملیات"}}},
        // Sales (system 2)
        {"tblCustomer", "مشتریان", 2, 1, false,
         {{"ID", "int", "شناسه"}, {"Code", "nvarchar(10)", "کد مشتری"}, {"Name", "nvarchar(100)", "نام مشتری"},
          {"CityID", "int", "شهر", "tblCity"}, {"Phone", "nvarchar(20)", "تلفن"},
          {"CreditLimit", "money", "سقف اعتبار"}, {"IsActive", "bit", "فعال"},
          {"RegisterDate", "datetime", "تاریخ ثبت"}, {"LegacyCode", "nvarchar(20)", ""}},
         {"Customer", "Code", "Name", "CreditLimit", "IsActive = 1"}},
        {"tblCustomerArchive", "بایگانی مشتریان", 2, 9, false,
         {{"ID", "int", "شناسه"}, {"Name", "nvarchar(100)", "نام مشتری"}, {"ArchiveDate", "datetime", "تاریخ بایگانی"}},
         {}, 0},
        {"tblPaymentType", "انواع پرداخت", 2, 3, false,
         {{"ID", "int", "شناسه"}, {"Name", "nvarchar(50)", "نحوه پرداخت"}},
         {"PaymentType", "CAST(ID AS nvarchar(10))", "Name", "ID", nullptr}},
        {"tblInvoice", "فاکتورهای فروش", 2, 1, false,
         {{"ID", "int", "شناسه"}, {"InvoiceNo", "int", "شماره فاکتور"},
          {"CustomerID", "int", "مشتری", "tblCustomer"}, {"SalesPersonID", "int", "فروشنده", "tblEmployee"},
          {"InvoiceDate", "datetime", "تاریخ فاکتور"}, {"FarsiInvoiceDate", "nvarchar(10)", "تاریخ شمسی فاکتور"},
          {"PaymentTypeID", "int", "نحوه پرداخت", "tblPaymentType"}, {"TotalAmount", "money", "مبلغ کل"},
          {"IsSettled", "bit", "تسویه شده"}}},
        {"tblInvoiceItem", "اقلام فاکتور", 2, 2, false,
         {{"ID", "int", "شناسه"}, {"InvoiceID", "int", "فاکتور", "tblInvoice"},
          {"ProductID", "int", "کالا", "tblProduct"}, {"Quantity", "int", "تعداد"}, {"UnitPrice", "money", "فی"},
          {"Discount", "money", "تخفیف"}}},
        // Inventory (system 3)
        {"tblProductGroup", "گروههای کالا", 3, 3, false,
         {{"ID", "int", "شناسه"}, {"Code", "nvarchar(10)", "کد گروه"}, {"Name", "nvarchar(100)", "نام گروه"}},
         {"ProductGroup", "Code", "Name", "ID", nullptr}},
        {"tblProduct", "کالاها", 3, 1, false,
         {{"ID", "int", "شناسه"}, {"Code", "nvarchar(20)", "کد کالا"}, {"Name", "nvarchar(100)", "نام کالا"},
          {"GroupID", "int", "گروه کالا", "tblProductGroup"}, {"UnitID", "int", "واحد سنجش", "tblUnit"},
          {"SalePrice", "money", "قیمت فروش"}, {"PurchasePrice", "money", "قیمت خرید"},
          {"MinStock", "int", "حداقل موجودی"}, {"IsActive", "bit", "فعال"}},
         {"Product", "Code", "Name", "SalePrice", "IsActive = 1"}},
        {"tblWarehouse", "انبارها", 3, 3, false,
         {{"ID", "int", "شناسه"}, {"Name", "nvarchar(100)", "نام انبار"}, {"CityID", "int", "شهر", "tblCity"},
          {"KeeperID", "int", "انباردار", "tblEmployee"}},
         {"Warehouse", "CAST(ID AS nvarchar(10))", "Name", "ID", nullptr}},
        {"tblSupplier", "تامین کنندگان", 3, 3, false,
         {{"ID", "int", "شناسه"}, {"Name", "nvarchar(100)", "نام تامین کننده"}, {"Phone", "nvarchar(20)", "تلفن"},
          {"CityID", "int", "شهر", "tblCity"}},
         {"Supplier", "CAST(ID AS nvarchar(10))", "Name", "ID", nullptr},
         -1},
        {"tblStockMovement", "گردش انبار", 3, 2, false,
         {{"ID", "int", "شناسه"}, {"ProductID", "int", "کالا", "tblProduct"},
          {"WarehouseID", "int", "انبار", "tblWarehouse"}, {"SupplierID", "int", "تامین کننده", "tblSupplier"},
          {"MovementDate", "datetime", "تاریخ"}, {"FarsiMovementDate", "nvarchar(10)", "تاریخ شمسی"},
          {"Quantity", "int", "مقدار"}, {"IsInput", "bit", "ورودی"}, {"Notes", "nvarchar(200)", "شرح"}}},
        // Maintenance (system 16): tables of the repository script.
        {"tblPmxEquipment", "تجهیزات", 16, 3, true,
         {{"ID", "int", "شناسه"}, {"Code", "nvarchar(20)", "کد تجهیز"}, {"Name", "nvarchar(100)", "نام تجهیز"},
          {"Location", "nvarchar(100)", "محل استقرار"}, {"InstallDate", "nvarchar(10)", "تاریخ نصب"}},
         {"PmxEquipment", "Code", "Name", "ID", nullptr}},
        {"tblPmxWorkOrder", "دستور کارها", 16, 1, true,
         {{"ID", "int", "شناسه"}, {"WorkOrderNo", "nvarchar(20)", "شماره دستور کار", nullptr, true},
          {"EquipmentID", "int", "تجهیز", "tblPmxEquipment"}, {"RequestDate", "nvarchar(10)", "تاریخ درخواست"},
          {"FinishDate", "nvarchar(10)", "تاریخ اتمام"}, {"Description", "nvarchar(500)", "شرح کار"},
          {"IsDone", "bit", "انجام شده"}}},
        {"tblPmxWorkOrderEmployee", "نفرساعت دستور کار", 16, 2, true,
         {{"ID", "int", "شناسه"}, {"WorkOrderID", "int", "دستور کار", "tblPmxWorkOrder"},
          {"EmployeeID", "int", "کارمند", "tblEmployee"}, {"Hours", "float", "ساعت کار"},
          {"HourlyRate", "money", "نرخ ساعتی"}}},
        {"tblPmxPart", "قطعات یدکی", 16, 3, true,
         {{"ID", "int", "شناسه"}, {"Code", "nvarchar(20)", "کد قطعه"}, {"Name", "nvarchar(100)", "نام قطعه"},
          {"UnitPrice", "money", "فی"}},
         {"PmxPart", "Code", "Name", "UnitPrice", nullptr}},
        {"tblPmxWorkOrderPart", "قطعات مصرفی", 16, 2, true,
         {{"ID", "int", "شناسه"}, {"WorkOrderID", "int", "دستور کار", "tblPmxWorkOrder"},
          {"PartID", "int", "قطعه", "tblPmxPart"}, {"Quantity", "int", "تعداد"}, {"UnitPrice", "money", "فی"}}},
        {"tblPmxTool", "ابزارها", 16, 3, true,
         {{"ID", "int", "شناسه"}, {"Name", "nvarchar(100)", "نام ابزار"}},
         {"PmxTool", "CAST(ID AS nvarchar(10))", "Name", "ID", nullptr}},
        {"tblPmxWorkOrderTool", "ابزار مصرفی", 16, 2, true,
         {{"ID", "int", "شناسه"}, {"WorkOrderID", "int", "دستور کار", "tblPmxWorkOrder"},
          {"ToolID", "int", "ابزار", "tblPmxTool"}, {"Hours", "float", "ساعت استفاده"}}},
        {"tblPmxVWREPORT", "گزارش دستور کارها", 16, 1, true,
         {{"WorkOrderID", "int", "دستور کار", "tblPmxWorkOrder"}, {"WorkOrderNo", "nvarchar(20)", "شماره دستور کار"},
          {"EquipmentID", "int", "تجهیز", "tblPmxEquipment"}, {"EquipmentName", "nvarchar(100)", "نام تجهیز"},
          {"Location", "nvarchar(100)", "محل استقرار"}, {"RequestDate", "nvarchar(10)", "تاریخ درخواست"},
          {"FinishDate", "nvarchar(10)", "تاریخ اتمام"}, {"Description", "nvarchar(500)", "شرح کار"},
          {"IsDone", "bit", "انجام شده"}}},
    };
    return tables;
}

namespace {

QString typeName(const char* declared)
{
    QString t = QString::fromLatin1(declared);
    const qsizetype paren = t.indexOf(u'(');
    return paren < 0 ? t : t.left(paren);
}

bool isText(const QString& type)
{
    return type.contains(QLatin1String("char"), Qt::CaseInsensitive) ||
           type.contains(QLatin1String("text"), Qt::CaseInsensitive);
}

void createHostTable(db::SqliteBackend& db, const TableDef& t)
{
    QStringList columns;
    for (const ColumnDef& c : t.columns) {
        const QString name = QString::fromLatin1(c.name);
        const QString type = QString::fromLatin1(c.type);
        if (name == QLatin1String("ID"))
            columns << QStringLiteral("ID INTEGER PRIMARY KEY AUTOINCREMENT");
        else
            columns << name + u' ' + type + (isText(type) ? QStringLiteral(" COLLATE NOCASE") : QString());
    }
    db.execute(QStringLiteral("CREATE TABLE %1 (%2)")
                   .arg(QString::fromLatin1(t.name), columns.join(QStringLiteral(", "))),
               {});
    for (const ColumnDef& c : t.columns)
        if (c.references)
            db.execute(QStringLiteral("CREATE INDEX IX_%1_%2 ON %1 (%2)")
                           .arg(QString::fromLatin1(t.name), QString::fromLatin1(c.name)),
                       {});
}

void createSelectorViews(db::SqliteBackend& db, const TableDef& t)
{
    const SelectorDef& s = t.selector;
    const QString select = QStringLiteral("SELECT ID AS ID, %1 AS Code, %2 AS Name, %3 AS Value FROM %4")
                               .arg(QString::fromLatin1(s.code), QString::fromLatin1(s.name),
                                    QString::fromLatin1(s.value), QString::fromLatin1(t.name));
    const QString stem = QString::fromLatin1(s.stem);
    db.execute(QStringLiteral("CREATE VIEW vw%1Major AS %2").arg(stem, select), {});
    db.execute(QStringLiteral("CREATE VIEW vw%1Minor AS %2%3")
                   .arg(stem, select,
                        s.minorWhere ? QStringLiteral(" WHERE ") + QString::fromLatin1(s.minorWhere) : QString()),
               {});
}

const TableDef* findTable(const char* name)
{
    for (const TableDef& t : DemoTables())
        if (qstrcmp(t.name, name) == 0)
            return &t;
    return nullptr;
}

// "PersonnelCode" -> "Personnel Code"; "tblInvoiceItem" -> "Invoice Item".
QString englishCaption(const QString& name)
{
    QString n = name;
    if (n.startsWith(QLatin1String("tbl")))
        n = n.mid(3);
    if (n.endsWith(QLatin1String("ID")) && n.size() > 2)
        n = n.left(n.size() - 2);
    static const QRegularExpression boundary(QStringLiteral("(?<=[a-z])(?=[A-Z])"));
    return n.replace(boundary, QStringLiteral(" "));
}

// Registers captions once per English text; returns the caption number.
class Captions {
public:
    explicit Captions(RowWriter& w) : m_w(w) {}
    int id(const QString& english, const QString& persian)
    {
        if (const auto it = m_ids.constFind(english); it != m_ids.cend())
            return *it;
        const int id = m_w.insert(QStringLiteral("tblKelvoCaption"), {QStringLiteral("EngCaption")}, {english}).toInt();
        const QStringList cols{QStringLiteral("CaptionID"), QStringLiteral("LangID"), QStringLiteral("Caption")};
        m_w.insert(QStringLiteral("tblKelvoLangCaption"), cols, {id, 1, persian});
        m_w.insert(QStringLiteral("tblKelvoLangCaption"), cols, {id, 2, english});
        m_ids.insert(english, id);
        return id;
    }

private:
    RowWriter& m_w;
    QHash<QString, int> m_ids;
};

void writeFixedRows(RowWriter& w, Captions& captions, const QString& basePath)
{
    const QStringList idName{QStringLiteral("ID"), QStringLiteral("Name")};

    struct System {
        int id;
        const char* name;
        const char* english;
        QVariant notVisible;
    };
    const System systems[] = {
        {1, "سیستم پرسنلی", "Personnel", 0},      {2, "سیستم فروش", "Sales", QVariant()},
        {3, "سیستم انبار", "Inventory", 0},         {16, "نگهداری و تعمیرات", "Maintenance", 0},
        {20, "اطلاعات پایه", "Base Information", 0}, {30, "سیستم آزمایشی", "Trial", 1},
        {31, "", "Unnamed", 0},
    };
    for (const System& s : systems) {
        const int caption = captions.id(QString::fromLatin1(s.english) + QStringLiteral(" System"), fa(s.name));
        w.insert(QStringLiteral("tblKelvoSystem"),
                 {QStringLiteral("ID"), QStringLiteral("Name"), QStringLiteral("NotVisible"), QStringLiteral("CaptionID")},
                 {s.id, fa(s.name), s.notVisible, caption});
    }

    const std::pair<int, const char*> controls[] = {
        {1002, "جعبه متن"},        {1003, "فهرست بازشو"},     {1007, "فهرست چند انتخابی"},
        {13, "انتخابگر"},          {4, "انتخابگر درختی"},     {2, "انتخابگر با جستجو"},
        {kDate, "تاریخ"},          {kCheckBox, "جعبه علامت"},
    };
    for (const auto& [id, name] : controls)
        w.insert(QStringLiteral("tblKelvoControlType"), idName, {id, fa(name)});

    w.insert(QStringLiteral("tblKelvoLanguage"), idName, {1, fa("فارسی")});
    w.insert(QStringLiteral("tblKelvoLanguage"), idName, {2, QStringLiteral("English")});

    // Chart types: the chart control's own codes.
    const std::pair<int, const char*> charts[] = {
        {0, "نمودار میله ای سه بعدی"}, {1, "نمودار میله ای دو بعدی"}, {2, "نمودار خطی سه بعدی"},
        {3, "نمودار خطی دو بعدی "},    {4, "نمودار سطحی سه بعدی"},    {5, "نمودار سطحی دو بعدی"},
        {7, "نمودار پله ای دو بعدی"},  {14, "نمودار دایره ای دو بعدی"}, {16, "نمودار نقطه ای دو بعدی"},
    };
    for (const auto& [id, name] : charts) {
        w.insert(QStringLiteral("tblKelvoDiagramTypeL"), idName, {id, fa(name)});
        w.insert(QStringLiteral("tblAccDiagramTypeL"), idName, {id, fa(name)});
    }

    for (const char* group : {"گزارشهای مدیریتی", "گزارشهای عملیاتی", "گزارشهای مالی"})
        w.insert(QStringLiteral("tblKelvoReportGroup"), {QStringLiteral("Name")}, {fa(group)});

    const QStringList paramCols{QStringLiteral("ID"), QStringLiteral("Name"), QStringLiteral("Value")};
    w.insert(QStringLiteral("tblKelvoSystemParameters"), paramCols, {123, fa("نمایش مودال پنجره ها"), QStringLiteral("0")});
    w.insert(QStringLiteral("tblKelvoSystemParameters"), paramCols, {100, fa("نام سازمان"), fa("شرکت نمونه پارس")});
    w.insert(QStringLiteral("tblKelvoSystemParameters"), paramCols, {101, fa("سال مالی جاری"), QStringLiteral("1403")});

    w.insert(QStringLiteral("tblKelvoBasePath"), {QStringLiteral("BasePath")}, {basePath});

    const QStringList formCols{QStringLiteral("ID"), QStringLiteral("Name"), QStringLiteral("FileName"),
                               QStringLiteral("SearchReportID"), QStringLiteral("ReportID")};
    w.insert(QStringLiteral("tblKelvoFormType"), formCols,
             {kReportFormType, fa("گزارش"), QStringLiteral("KelvoReportGenerator.dll"), QVariant(), QVariant()});
    w.insert(QStringLiteral("tblKelvoFormType"), formCols,
             {1101, fa("پرونده کارکنان"), QStringLiteral("PersonnelForm.ocx"), 1, QVariant()});
    w.insert(QStringLiteral("tblKelvoFormType"), formCols,
             {2101, fa("فاکتور فروش"), QStringLiteral("SalesInvoiceForm.ocx"), QVariant(), QVariant()});
    const QStringList formTableCols{QStringLiteral("FormTypeID"), QStringLiteral("TableName"), QStringLiteral("IsPrimary")};
    w.insert(QStringLiteral("tblKelvoFormTables"), formTableCols, {1101, QStringLiteral("tblEmployee"), 1});
    w.insert(QStringLiteral("tblKelvoFormTables"), formTableCols, {2101, QStringLiteral("tblInvoice"), 1});
    w.insert(QStringLiteral("tblKelvoFormTables"), formTableCols, {2101, QStringLiteral("tblInvoiceItem"), 0});

    const std::pair<int, const char*> aliases[] = {{0, "خیر"}, {1, "بله"}, {2, "نامشخص"}};
    for (const auto& [id, name] : aliases)
        w.insert(QStringLiteral("tblAlias"), idName, {id, fa(name)});
}

} // namespace

void WriteDictionary(RowWriter& w, const QString& basePath)
{
    db::SqliteBackend& db = w.db();
    for (const TableDef& t : DemoTables()) {
        if (!t.createdByRepository)
            createHostTable(db, t);
        if (t.selector.stem)
            createSelectorViews(db, t);
    }

    Captions captions(w);
    writeFixedRows(w, captions, basePath);

    const QStringList tableCols{QStringLiteral("Name"), QStringLiteral("Description"), QStringLiteral("SystemID"),
                                QStringLiteral("Visible"), QStringLiteral("Type"), QStringLiteral("CaptionID")};
    const QStringList columnCols{QStringLiteral("TableName"),  QStringLiteral("Name"),        QStringLiteral("Description"),
                                 QStringLiteral("Type"),       QStringLiteral("MajorView"),   QStringLiteral("MinorView"),
                                 QStringLiteral("ControlID"),  QStringLiteral("CaptionID"),   QStringLiteral("OrderNumber"),
                                 QStringLiteral("IsPrimaryKey"), QStringLiteral("IsAlternativeName")};
    const QStringList relationCols{QStringLiteral("ForeignKey"), QStringLiteral("DependentTable"),
                                   QStringLiteral("ReferenceKey"), QStringLiteral("ReferenceTable")};
    for (const TableDef& t : DemoTables()) {
        const QString table = QString::fromLatin1(t.name);
        const QString description = fa(t.description);
        const QVariant caption =
            description.isEmpty() ? QVariant() : QVariant(captions.id(englishCaption(table), description));
        w.insert(QStringLiteral("tblKelvoTable"), tableCols,
                 {table, description, t.systemId, t.visible < 0 ? QVariant() : QVariant(t.visible), t.sortType, caption});
        int order = 0;
        for (const ColumnDef& c : t.columns) {
            const QString name = QString::fromLatin1(c.name);
            const QString type = typeName(c.type);
            const QString colDescription = fa(c.description);
            const TableDef* referenced = c.references ? findTable(c.references) : nullptr;
            const bool key = name == QLatin1String("ID");
            // The key column lists its own table's rows; a foreign key those of the table it refers to.
            const TableDef* listed = key ? &t : referenced;
            QVariant major, minor;
            if (listed && listed->selector.stem) {
                major = QStringLiteral("vw%1Major").arg(QString::fromLatin1(listed->selector.stem));
                minor = QStringLiteral("vw%1Minor").arg(QString::fromLatin1(listed->selector.stem));
            }
            int control = kTextBox;
            if (type == QLatin1String("datetime"))
                control = kDate;
            else if (type == QLatin1String("bit"))
                control = kCheckBox;
            else if (!major.isNull() && !key)
                control = kSelector;
            const QVariant colCaption = colDescription.isEmpty()
                                            ? QVariant()
                                            : QVariant(captions.id(englishCaption(name), colDescription));
            w.insert(QStringLiteral("tblKelvoColumn"), columnCols,
                     {table, name, colDescription, type, major, minor, control, colCaption, ++order, key ? 1 : 0,
                      c.displayName ? 1 : 0});
            if (c.references)
                w.insert(QStringLiteral("tblKelvoRelatedTables"), relationCols,
                         {name, table, QStringLiteral("ID"), QString::fromLatin1(c.references)});
        }
    }
}

} // namespace kelvo::schema::demo
