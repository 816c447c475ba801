// Generated Persian data of the demo host: people, organisation, sales,
// inventory and maintenance. The generator is seeded, so every build holds
// the same rows.
// Rows are built from concatenated texts inside braced value lists, which
// want plain QString results rather than string builders.
#undef QT_USE_QSTRINGBUILDER

#include "schema/demo/DemoBuilder.h"

#include <QDate>

#include "platform/db/sqlite/SqliteBackend.h"

namespace kelvo::schema::demo {

namespace {

const char* const kMaleNames[] = {"علی", "محمد", "حسین", "رضا", "مهدی", "حمید", "سعید", "مجید", "امیر", "جواد",
                                  "احمد", "حسن", "مرتضی", "مصطفی", "بهروز", "کامران", "فرهاد", "داوود"};
const char* const kFemaleNames[] = {"فاطمه", "زهرا", "مریم", "سارا", "نرگس", "لیلا", "معصومه", "الهام",
                                    "مینا", "شیرین", "پروانه", "سمیه", "نسرین", "فرشته"};
const char* const kSurnames[] = {"احمدی", "محمدی", "حسینی", "رضایی", "کریمی", "موسوی", "جعفری", "صادقی",
                                 "رحیمی", "کاظمی", "هاشمی", "نوری", "قاسمی", "عباسی", "مرادی", "اکبری",
                                 "طاهری", "ابراهیمی", "زمانی", "سلیمانی", "شریفی", "یزدانی", "فرهادی", "نجفی"};
const std::pair<const char*, const char*> kCities[] = {
    {"تهران", "تهران"},   {"مشهد", "خراسان رضوی"}, {"اصفهان", "اصفهان"},   {"شیراز", "فارس"},
    {"تبریز", "آذربایجان شرقی"}, {"کرج", "البرز"},   {"اهواز", "خوزستان"},  {"قم", "قم"},
    {"کرمانشاه", "کرمانشاه"}, {"رشت", "گیلان"},     {"یزد", "یزد"},         {"همدان", "همدان"},
};
const char* const kDepartments[] = {"مدیریت", "امور مالی", "امور اداری", "فروش", "انبار",
                                    "فنی و مهندسی", "نگهداری و تعمیرات", "فناوری اطلاعات"};
const std::pair<const char*, int> kJobs[] = {
    {"مدیر", 450000000}, {"کارشناس مالی", 220000000}, {"حسابدار", 190000000}, {"کارشناس فروش", 200000000},
    {"انباردار", 150000000}, {"تکنسین", 170000000}, {"کارشناس نرم افزار", 260000000}, {"منشی", 130000000},
    {"راننده", 120000000},
};
const char* const kProductGroups[] = {"لوازم برقی", "ابزار آلات", "قطعات یدکی", "لوازم اداری", "مواد شوینده",
                                      "لوازم ایمنی"};
const char* const kProducts[][5] = {
    {"لامپ کم مصرف", "کلید و پریز", "سیم افشان", "فیوز مینیاتوری", "چراغ سقفی"},
    {"پیچ گوشتی", "آچار فرانسه", "دریل برقی", "انبردست", "متر فلزی"},
    {"بلبرینگ", "تسمه پروانه", "فیلتر روغن", "واشر لاستیکی", "شیر یکطرفه"},
    {"کاغذ آ چهار", "خودکار آبی", "منگنه", "پوشه کاغذی", "ماشین حساب"},
    {"مایع ظرفشویی", "پودر لباسشویی", "شیشه پاک کن", "مایع دستشویی", "جرم گیر"},
    {"کلاه ایمنی", "دستکش کار", "عینک ایمنی", "کفش ایمنی", "جلیقه شبرنگ"},
};
const char* const kUnits[] = {"عدد", "کیلوگرم", "متر", "لیتر", "بسته"};
const char* const kPaymentTypes[] = {"نقدی", "چک", "اعتباری", "کارتخوان"};
const char* const kLeaveTypes[] = {"استحقاقی", "استعلاجی", "بدون حقوق"};
const char* const kWarehouses[] = {"انبار مرکزی", "انبار قطعات", "انبار محصول"};
const char* const kCompanySuffixes[] = {"تجارت", "صنعت", "بازرگانی", "پخش", "فن آوران", "گستر"};
const char* const kEquipment[] = {"پمپ آب", "کمپرسور هوا", "دیزل ژنراتور", "لیفتراک", "دستگاه تراش", "دیگ بخار",
                                  "برج خنک کننده", "تابلو برق"};
const char* const kLocations[] = {"سالن تولید یک", "سالن تولید دو", "موتورخانه", "انبار مرکزی", "ساختمان اداری"};
const char* const kTools[] = {"جرثقیل سقفی", "دستگاه جوش", "دریل ستونی", "بالابر", "جک هیدرولیک",
                              "آچار بکس", "فرز سنگ", "مولتی متر", "دستگاه تست عایق", "پرس هیدرولیک",
                              "اره برقی", "کمپرسور سیار", "نردبان", "داربست", "پمپ سیار"};
const char* const kWorkDescriptions[] = {"تعویض قطعه معیوب", "سرویس دوره ای", "رفع نشتی", "بازدید فنی",
                                         "تنظیم و کالیبراسیون", "تعمیر اساسی"};

const QStringList kIdName{QStringLiteral("ID"), QStringLiteral("Name")};

template <typename T, size_t N>
constexpr int count(const T (&)[N])
{
    return int(N);
}

class Generator {
public:
    explicit Generator(std::mt19937& rng) : m_rng(rng) {}
    int between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_rng); }
    bool chance(int percent) { return between(1, 100) <= percent; }
    template <typename T, size_t N>
    const T& pick(const T (&items)[N]) { return items[between(0, int(N) - 1)]; }
    // A day of the Persian years 1401 to 1403.
    QDate recentDay() { return QDate(2022, 3, 21).addDays(between(0, 3 * 365)); }
    QString digits(int n)
    {
        QString s;
        for (int i = 0; i < n; ++i)
            s += QChar(u'0' + between(i == 0 ? 1 : 0, 9));
        return s;
    }

private:
    std::mt19937& m_rng;
};

struct Counts {
    int employees = 300;
    int customers = 400;
    int products = 0;
    int suppliers = 30;
    int invoices = 1500;
    int equipment = 40;
    int parts = 60;
    int workOrders = 300;
};

void writeBaseTables(RowWriter& w)
{
    for (const auto& [city, province] : kCities)
        w.insert(QStringLiteral("tblCity"), {QStringLiteral("Name"), QStringLiteral("Province")}, {fa(city), fa(province)});
    for (const char* unit : kUnits)
        w.insert(QStringLiteral("tblUnit"), {QStringLiteral("Name")}, {fa(unit)});
    int d = 0;
    for (const char* dept : kDepartments) {
        ++d;
        w.insert(QStringLiteral("tblDepartment"),
                 {QStringLiteral("Code"), QStringLiteral("Name"), QStringLiteral("ParentID")},
                 {QStringLiteral("D%1").arg(d, 2, 10, QChar(u'0')), fa(dept), d == 1 ? QVariant() : QVariant(1)});
    }
    for (const auto& [job, salary] : kJobs)
        w.insert(QStringLiteral("tblJob"), {QStringLiteral("Name"), QStringLiteral("BaseSalary")}, {fa(job), salary});
    for (const char* t : kLeaveTypes)
        w.insert(QStringLiteral("tblLeaveType"), {QStringLiteral("Name")}, {fa(t)});
    for (const char* t : kPaymentTypes)
        w.insert(QStringLiteral("tblPaymentType"), {QStringLiteral("Name")}, {fa(t)});
}

void writePersonnel(RowWriter& w, Generator& g, const Counts& n)
{
    const QStringList cols{QStringLiteral("PersonnelCode"), QStringLiteral("FirstName"), QStringLiteral("SureName"),
                           QStringLiteral("FatherName"),    QStringLiteral("NationalCode"), QStringLiteral("IsMale"),
                           QStringLiteral("BirthDate"),     QStringLiteral("HireDate"), QStringLiteral("DepartmentID"),
                           QStringLiteral("JobID"),         QStringLiteral("CityID"), QStringLiteral("Salary"),
                           QStringLiteral("IsMarried"),     QStringLiteral("ChildCount")};
    for (int i = 1; i <= n.employees; ++i) {
        const bool male = i == 1 || g.chance(65);
        const int job = i == 1 ? 1 : g.between(2, count(kJobs));
        const bool married = g.chance(70);
        const QDate birth = QDate(1965, 1, 1).addDays(g.between(0, 35 * 365));
        const QDate hired = QDate(2005, 1, 1).addDays(g.between(0, 19 * 365));
        w.insert(QStringLiteral("tblEmployee"), cols,
                 {QStringLiteral("%1").arg(1000 + i), fa(male ? g.pick(kMaleNames) : g.pick(kFemaleNames)),
                  fa(g.pick(kSurnames)), fa(g.pick(kMaleNames)), g.digits(10), male ? 1 : 0, JalaliDate(birth),
                  IsoDate(hired), i == 1 ? 1 : g.between(2, count(kDepartments)), job,
                  g.between(1, count(kCities)), kJobs[job - 1].second + g.between(0, 40) * 1000000,
                  married ? 1 : 0, married ? g.between(0, 4) : 0});
    }

    const QStringList leaveCols{QStringLiteral("EmployeeID"), QStringLiteral("LeaveTypeID"), QStringLiteral("FromDate"),
                                QStringLiteral("Days"), QStringLiteral("IsApproved")};
    for (int i = 0; i < 2 * n.employees; ++i)
        w.insert(QStringLiteral("tblLeave"), leaveCols,
                 {g.between(1, n.employees), g.between(1, count(kLeaveTypes)), JalaliDate(g.recentDay()),
                  g.between(1, 10), g.chance(85) ? 1 : 0});

    // Six monthly pay slips (1403/01 to 1403/06) of every employee.
    const QStringList payCols{QStringLiteral("EmployeeID"), QStringLiteral("PayYear"),   QStringLiteral("PayMonth"),
                              QStringLiteral("BaseSalary"), QStringLiteral("Overtime"),  QStringLiteral("Deduction"),
                              QStringLiteral("NetPay"),     QStringLiteral("PayDate"),   QStringLiteral("FarsiPayDate")};
    const QCalendar jalali(QCalendar::System::Jalali);
    for (int month = 1; month <= 6; ++month) {
        const QDate payDay = jalali.dateFromParts(1403, month, 25);
        for (int e = 1; e <= n.employees; ++e) {
            const qint64 base = 150000000 + qint64(e % 9) * 25000000;
            const qint64 overtime = qint64(g.between(0, 30)) * 1000000;
            const qint64 deduction = (base + overtime) / 10;
            w.insert(QStringLiteral("tblPayroll"), payCols,
                     {e, 1403, month, base, overtime, deduction, base + overtime - deduction, IsoDate(payDay),
                      JalaliDate(payDay)});
        }
    }
}

// The organisation chart: positions, their ancestors (one row per level),
// same-level links, users and their permissions.
void writeOrganisation(RowWriter& w)
{
    struct Position {
        const char* name;
        int parent;
        int department;
    };
    const Position positions[] = {
        {"مدیرعامل", 0, 1},                 {"معاون مالی و اداری", 1, 2},   {"معاون فروش", 1, 4},
        {"معاون فنی", 1, 6},                {"مدیر امور مالی", 2, 2},       {"مدیر امور اداری", 2, 3},
        {"مدیر فروش", 3, 4},                {"سرپرست انبار", 4, 5},         {"مدیر نگهداری و تعمیرات", 4, 7},
        {"کارشناس مالی", 5, 2},             {"حسابدار", 5, 2},              {"کارشناس فروش تهران", 7, 4},
        {"کارشناس فروش شهرستانها", 7, 4},   {"انباردار", 8, 5},             {"تکنسین تعمیرات", 9, 7},
        {"کارشناس فناوری اطلاعات", 6, 8},
    };
    const int n = count(positions);
    for (int i = 0; i < n; ++i)
        w.insert(QStringLiteral("tblPosition"),
                 {QStringLiteral("Name"), QStringLiteral("ParentID"), QStringLiteral("DepartmentID"),
                  QStringLiteral("EmployeeID")},
                 {fa(positions[i].name), positions[i].parent ? QVariant(positions[i].parent) : QVariant(),
                  positions[i].department, i + 1});
    const QStringList childCols{QStringLiteral("ChildID"), QStringLiteral("PositionID"), QStringLiteral("LevelNumber")};
    for (int child = 1; child <= n; ++child) {
        int level = 0;
        for (int p = positions[child - 1].parent; p != 0; p = positions[p - 1].parent)
            w.insert(QStringLiteral("tblPositionChilds"), childCols, {child, p, ++level});
    }
    const QStringList sameCols{QStringLiteral("BasePositionID"), QStringLiteral("RelatedPositionID"),
                               QStringLiteral("FormTypeID"), QStringLiteral("IsActive")};
    w.insert(QStringLiteral("tblKelvoSamePermLevelPos"), sameCols, {12, 13, 2302, 1});
    w.insert(QStringLiteral("tblKelvoSamePermLevelPos"), sameCols, {10, 11, 2302, 1});
    w.insert(QStringLiteral("tblKelvoSamePermLevelPos"), sameCols, {14, 15, 2302, 0});
    w.insert(QStringLiteral("tblKelvoSamePermLevelPos"), sameCols, {5, 6, 1101, 1});

    struct User {
        const char* fullName;
        const char* alias;
        int employee;
        int position;
        int active;
    };
    const User users[] = {
        {"مدیر سیستم", "admin", 1, 1, 1},          {"مسئول مالی", "finance", 5, 5, 1},
        {"کارشناس فروش تهران", "sales1", 12, 12, 1}, {"کارشناس فروش شهرستانها", "sales2", 13, 13, 1},
        {"انباردار", "store", 14, 14, 1},           {"تکنسین", "tech", 15, 15, 1},
        {"کاربر غیرفعال", "olduser", 16, 16, 0},
    };
    for (const User& u : users)
        w.insert(QStringLiteral("tblUser"),
                 {QStringLiteral("FullName"), QStringLiteral("Alias"), QStringLiteral("EmployeeID"),
                  QStringLiteral("PositionID"), QStringLiteral("IsActive")},
                 {fa(u.fullName), QString::fromLatin1(u.alias), u.employee, u.position, u.active});
    // Report operations: 230201 new, 230202 edit, 230203 delete, 230204 search.
    const QStringList permCols{QStringLiteral("UserID"), QStringLiteral("FormPermissionID")};
    for (int p : {230201, 230202, 230203, 230204})
        w.insert(QStringLiteral("tblUserPermission"), permCols, {1, p});
    for (int user : {2, 3, 4})
        for (int p : {230201, 230202, 230204})
            w.insert(QStringLiteral("tblUserPermission"), permCols, {user, p});
    w.insert(QStringLiteral("tblUserPermission"), permCols, {5, 230204});
}

void writeInventory(RowWriter& w, Generator& g, Counts& n)
{
    int code = 0;
    for (const char* group : kProductGroups)
        w.insert(QStringLiteral("tblProductGroup"), {QStringLiteral("Code"), QStringLiteral("Name")},
                 {QStringLiteral("G%1").arg(++code), fa(group)});
    const QStringList cols{QStringLiteral("Code"),      QStringLiteral("Name"),          QStringLiteral("GroupID"),
                           QStringLiteral("UnitID"),    QStringLiteral("SalePrice"),     QStringLiteral("PurchasePrice"),
                           QStringLiteral("MinStock"),  QStringLiteral("IsActive")};
    for (int group = 0; group < count(kProductGroups); ++group)
        for (int base = 0; base < 5; ++base)
            for (int model = 1; model <= 8; ++model) {
                const qint64 purchase = qint64(g.between(5, 500)) * 10000;
                w.insert(QStringLiteral("tblProduct"), cols,
                         {QStringLiteral("P-%1").arg(++n.products, 4, 10, QChar(u'0')),
                          fa(kProducts[group][base]) + fa(" مدل ") + QString::number(100 * model + base),
                          group + 1, g.between(1, count(kUnits)), purchase + purchase / 4, purchase,
                          g.between(5, 50), g.chance(92) ? 1 : 0});
            }
    int w_ = 0;
    for (const char* warehouse : kWarehouses)
        w.insert(QStringLiteral("tblWarehouse"),
                 {QStringLiteral("Name"), QStringLiteral("CityID"), QStringLiteral("KeeperID")},
                 {fa(warehouse), 1 + w_++, 14});
    for (int i = 1; i <= n.suppliers; ++i)
        w.insert(QStringLiteral("tblSupplier"),
                 {QStringLiteral("Name"), QStringLiteral("Phone"), QStringLiteral("CityID")},
                 {fa("شرکت ") + fa(g.pick(kSurnames)) + u' ' + fa(g.pick(kCompanySuffixes)),
                  QStringLiteral("0") + g.digits(10), g.between(1, count(kCities))});
    const QStringList moveCols{QStringLiteral("ProductID"),    QStringLiteral("WarehouseID"),
                               QStringLiteral("SupplierID"),   QStringLiteral("MovementDate"),
                               QStringLiteral("FarsiMovementDate"), QStringLiteral("Quantity"),
                               QStringLiteral("IsInput"),      QStringLiteral("Notes")};
    for (int i = 0; i < 2000; ++i) {
        const bool input = g.chance(45);
        const QDate day = g.recentDay();
        w.insert(QStringLiteral("tblStockMovement"), moveCols,
                 {g.between(1, n.products), g.between(1, count(kWarehouses)),
                  input ? QVariant(g.between(1, n.suppliers)) : QVariant(), IsoDate(day), JalaliDate(day),
                  g.between(1, 200), input ? 1 : 0, input ? fa("رسید خرید") : fa("حواله فروش")});
    }
}

void writeSales(RowWriter& w, Generator& g, const Counts& n)
{
    const QStringList custCols{QStringLiteral("Code"),        QStringLiteral("Name"),     QStringLiteral("CityID"),
                               QStringLiteral("Phone"),       QStringLiteral("CreditLimit"), QStringLiteral("IsActive"),
                               QStringLiteral("RegisterDate"), QStringLiteral("LegacyCode")};
    for (int i = 1; i <= n.customers; ++i) {
        const bool company = g.chance(60);
        const QString name = company ? fa("شرکت ") + fa(g.pick(kSurnames)) + u' ' + fa(g.pick(kCompanySuffixes))
                                     : fa(g.pick(kMaleNames)) + u' ' + fa(g.pick(kSurnames));
        w.insert(QStringLiteral("tblCustomer"), custCols,
                 {QStringLiteral("C%1").arg(i, 4, 10, QChar(u'0')), name, g.between(1, count(kCities)),
                  QStringLiteral("0") + g.digits(10), qint64(g.between(10, 500)) * 10000000, g.chance(90) ? 1 : 0,
                  IsoDate(QDate(2018, 1, 1).addDays(g.between(0, 6 * 365))), QVariant()});
    }
    w.insert(QStringLiteral("tblCustomerArchive"), {QStringLiteral("Name"), QStringLiteral("ArchiveDate")},
             {fa("شرکت قدیمی بازرگانی"), IsoDate(QDate(2019, 6, 1))});

    const QStringList invCols{QStringLiteral("InvoiceNo"),   QStringLiteral("CustomerID"), QStringLiteral("SalesPersonID"),
                              QStringLiteral("InvoiceDate"), QStringLiteral("FarsiInvoiceDate"),
                              QStringLiteral("PaymentTypeID"), QStringLiteral("TotalAmount"), QStringLiteral("IsSettled")};
    const QStringList itemCols{QStringLiteral("InvoiceID"), QStringLiteral("ProductID"), QStringLiteral("Quantity"),
                               QStringLiteral("UnitPrice"), QStringLiteral("Discount")};
    for (int i = 1; i <= n.invoices; ++i) {
        const QDate day = g.recentDay();
        const int items = g.between(1, 5);
        struct Item {
            int product, quantity;
            qint64 price, discount;
        };
        std::vector<Item> lines;
        qint64 total = 0;
        for (int k = 0; k < items; ++k) {
            const Item it{g.between(1, n.products), g.between(1, 20), qint64(g.between(10, 900)) * 10000,
                          g.chance(20) ? qint64(g.between(1, 10)) * 10000 : 0};
            total += it.price * it.quantity - it.discount;
            lines.push_back(it);
        }
        const QVariant id = w.insert(QStringLiteral("tblInvoice"), invCols,
                                     {14000 + i, g.between(1, n.customers), g.chance(50) ? 12 : 13, IsoDate(day),
                                      JalaliDate(day), g.between(1, count(kPaymentTypes)), total,
                                      g.chance(75) ? 1 : 0});
        for (const Item& it : lines)
            w.insert(QStringLiteral("tblInvoiceItem"), itemCols, {id, it.product, it.quantity, it.price, it.discount});
    }
}

void writeMaintenance(RowWriter& w, Generator& g, const Counts& n)
{
    for (int i = 1; i <= n.equipment; ++i) {
        const QDate installed = QDate(2010, 1, 1).addDays(g.between(0, 12 * 365));
        w.insert(QStringLiteral("tblPmxEquipment"),
                 {QStringLiteral("Code"), QStringLiteral("Name"), QStringLiteral("Location"), QStringLiteral("InstallDate")},
                 {QStringLiteral("EQ-%1").arg(i, 3, 10, QChar(u'0')),
                  fa(kEquipment[(i - 1) % count(kEquipment)]) + fa(" شماره ") + QString::number((i - 1) / count(kEquipment) + 1),
                  fa(g.pick(kLocations)), JalaliDate(installed)});
    }
    for (const char* tool : kTools)
        w.insert(QStringLiteral("tblPmxTool"), {QStringLiteral("Name")}, {fa(tool)});
    for (int i = 1; i <= n.parts; ++i)
        w.insert(QStringLiteral("tblPmxPart"), {QStringLiteral("Code"), QStringLiteral("Name"), QStringLiteral("UnitPrice")},
                 {QStringLiteral("PT-%1").arg(i, 3, 10, QChar(u'0')),
                  fa(kProducts[2][(i - 1) % 5]) + fa(" سایز ") + QString::number((i - 1) / 5 + 1),
                  qint64(g.between(20, 2000)) * 10000});
    const QStringList woCols{QStringLiteral("WorkOrderNo"), QStringLiteral("EquipmentID"), QStringLiteral("RequestDate"),
                             QStringLiteral("FinishDate"),  QStringLiteral("Description"), QStringLiteral("IsDone")};
    for (int i = 1; i <= n.workOrders; ++i) {
        const QDate requested = g.recentDay();
        const bool done = g.chance(80);
        const QVariant id =
            w.insert(QStringLiteral("tblPmxWorkOrder"), woCols,
                     {QStringLiteral("WO-%1").arg(i, 5, 10, QChar(u'0')), g.between(1, n.equipment),
                      JalaliDate(requested), done ? QVariant(JalaliDate(requested.addDays(g.between(0, 10)))) : QVariant(),
                      fa(g.pick(kWorkDescriptions)), done ? 1 : 0});
        for (int k = g.between(1, 3); k > 0; --k)
            w.insert(QStringLiteral("tblPmxWorkOrderEmployee"),
                     {QStringLiteral("WorkOrderID"), QStringLiteral("EmployeeID"), QStringLiteral("Hours"),
                      QStringLiteral("HourlyRate")},
                     {id, g.between(1, n.employees), g.between(1, 16) / 2.0, qint64(g.between(8, 20)) * 100000});
        for (int k = g.between(0, 3); k > 0; --k)
            w.insert(QStringLiteral("tblPmxWorkOrderPart"),
                     {QStringLiteral("WorkOrderID"), QStringLiteral("PartID"), QStringLiteral("Quantity"),
                      QStringLiteral("UnitPrice")},
                     {id, g.between(1, n.parts), g.between(1, 6), qint64(g.between(20, 2000)) * 10000});
        for (int k = g.between(0, 2); k > 0; --k)
            w.insert(QStringLiteral("tblPmxWorkOrderTool"),
                     {QStringLiteral("WorkOrderID"), QStringLiteral("ToolID"), QStringLiteral("Hours")},
                     {id, g.between(1, count(kTools)), g.between(1, 8) / 2.0});
    }
}

} // namespace

void WriteHostData(RowWriter& w, std::mt19937& rng)
{
    Generator g(rng);
    Counts n;
    writeBaseTables(w);
    writePersonnel(w, g, n);
    writeOrganisation(w);
    writeInventory(w, g, n);
    writeSales(w, g, n);
    writeMaintenance(w, g, n);
}

void WriteLargeData(RowWriter& w, std::mt19937& rng)
{
    Generator g(rng);
    w.insert(QStringLiteral("tblKelvoSystem"), {QStringLiteral("ID"), QStringLiteral("Name"), QStringLiteral("NotVisible")},
             {99, fa("آزمون کارایی"), 0});
    const QStringList tableCols{QStringLiteral("Name"), QStringLiteral("Description"), QStringLiteral("SystemID"),
                                QStringLiteral("Visible"), QStringLiteral("Type")};
    const QStringList columnCols{QStringLiteral("TableName"), QStringLiteral("Name"), QStringLiteral("Description"),
                                 QStringLiteral("Type"), QStringLiteral("ControlID"), QStringLiteral("OrderNumber"),
                                 QStringLiteral("IsPrimaryKey"), QStringLiteral("IsAlternativeName")};
    // Generated inside the store from sequences; the texts are constants.
    w.db().executeScript(
        QStringLiteral("INSERT INTO tblKelvoTable (Name, Description, SystemID, Visible, Type) "
                       "WITH RECURSIVE t(n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM t WHERE n < 5000) "
                       "SELECT 'tblBench' || substr('0000' || n, -4), '%1' || n, 99, 1, 5 FROM t; "
                       "INSERT INTO tblKelvoColumn (TableName, Name, Description, Type, ControlID, OrderNumber, "
                       "IsPrimaryKey, IsAlternativeName) "
                       "WITH RECURSIVE t(n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM t WHERE n < 5000), "
                       "c(k) AS (SELECT 1 UNION ALL SELECT k + 1 FROM c WHERE k < 40) "
                       "SELECT 'tblBench' || substr('0000' || n, -4), 'Col' || substr('00' || k, -2), '%2' || k, "
                       "CASE (k - 1) % 5 WHEN 0 THEN 'int' WHEN 1 THEN 'nvarchar' WHEN 2 THEN 'money' "
                       "WHEN 3 THEN 'bit' ELSE 'datetime' END, 1002, k, k = 1, k = 2 FROM t, c ORDER BY n, k")
            .arg(fa("جدول آزمون "), fa("ستون ")));

    w.db().execute(QStringLiteral("CREATE TABLE tblBenchFact (ID INTEGER PRIMARY KEY AUTOINCREMENT, "
                                  "ProductID int, CustomerID int, Quantity int, Amount money, FactDate datetime, "
                                  "FarsiFactDate nvarchar(10) COLLATE NOCASE)"),
                   {});
    w.insert(QStringLiteral("tblKelvoTable"), tableCols, {QStringLiteral("tblBenchFact"), fa("جدول واقعیت آزمون"), 99, 1, 1});
    const std::pair<const char*, const char*> factColumns[] = {
        {"ID", "int"},        {"ProductID", "int"},  {"CustomerID", "int"},      {"Quantity", "int"},
        {"Amount", "money"},  {"FactDate", "datetime"}, {"FarsiFactDate", "nvarchar"},
    };
    int order = 0;
    for (const auto& [name, type] : factColumns) {
        ++order;
        w.insert(QStringLiteral("tblKelvoColumn"), columnCols,
                 {QStringLiteral("tblBenchFact"), QString::fromLatin1(name), fa("ستون ") + QString::number(order),
                  QString::fromLatin1(type), 1002, order, order == 1 ? 1 : 0, 0});
    }
    // The fact rows are generated inside the store (a recursive sequence
    // joined to the days of a three-year window): far faster than a million
    // single inserts, and as deterministic, since every value derives from
    // the row number.
    w.db().executeScript(QStringLiteral("CREATE TEMP TABLE benchDay (n INTEGER PRIMARY KEY, Iso TEXT, Jalali TEXT)"));
    for (int d = 0; d < 3 * 365; ++d) {
        const QDate day = QDate(2022, 3, 21).addDays(d);
        w.insert(QStringLiteral("temp.benchDay"), {QStringLiteral("n"), QStringLiteral("Iso"), QStringLiteral("Jalali")},
                 {d, IsoDate(day), JalaliDate(day)});
    }
    w.db().executeScript(QStringLiteral(
        "INSERT INTO tblBenchFact (ProductID, CustomerID, Quantity, Amount, FactDate, FarsiFactDate) "
        "WITH RECURSIVE seq(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM seq WHERE i < 999999) "
        "SELECT (i * 7919) % 240 + 1, (i * 104729) % 400 + 1, (i * 31) % 50 + 1, "
        "((i * 31) % 50 + 1) * ((i * 977) % 891 + 10) * 10000, d.Iso, d.Jalali "
        "FROM seq JOIN temp.benchDay d ON d.n = (i * 2654435761) % 1095; "
        "DROP TABLE temp.benchDay"));
    (void)g;
}

} // namespace kelvo::schema::demo
