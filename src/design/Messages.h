#pragma once

#include "front/Messages.h"

#include <QString>

// The Persian texts of the query designer: the SQL editor, the grouping and
// sorting dialogs, the visual query builder, the condition builder and the
// value picker.
namespace kelvo::design {

using front::kCancelCaption;
using front::kConfirmCaption;
using front::kErrorTitle;
using front::kWarningTitle;
inline const QString kAddCaption = QStringLiteral("اضافه");
inline const QString kRemoveCaption = QStringLiteral("حذف");
inline const QString kClearCaption = QStringLiteral("پاك كردن");
inline const QString kAllowEditCaption = QStringLiteral("امكان اصلاح");
inline const QString kDisallowEditCaption = QStringLiteral("عدم امكان اصلاح");
inline const QString kEditBothQuestion = QStringLiteral(
    "در اين حالت لازم است كه هر دو شكل فارسي و انگليسي شرط، به طور سازگار اصلاح شوند. آيا ادامه ميدهيد؟");
inline const QString kFarsiCaption = QStringLiteral("فارسي");
inline const QString kEnglishCaption = QStringLiteral("انگليسي");
inline const QString kBothCaption = QStringLiteral("هردو");

// SQL editor.
inline const QString kEditorCaption = QStringLiteral("ايجاد پرس و جو ");
inline const QString kManualEditTip = QStringLiteral("Ctrl+L : اصلاح دستي");
inline const QString kViewQueryTip = QStringLiteral("Ctrl+J : مشاهده اصل پرس و جو");
inline const QString kCheckQueryCaption = QStringLiteral("بررسي پرسوجو");
inline const QString kDefineParameterCaption = QStringLiteral("تعريف پارامتر...");
inline const QString kDeleteCaption = QStringLiteral("حذف ");
inline const QString kSaveCaption = QStringLiteral("ذخيره");
inline const QString kQueryModeCaption = QStringLiteral("ايجاد پرسوجو");
inline const QString kProcedureModeCaption = QStringLiteral("فراخواني روال هاي پايگاهداده");
inline const QString kHowToCallCaption = QStringLiteral("نحوه فراخواني");
inline const QString kProcedureHint = QStringLiteral(
    "نام يكي از روالهاي پايگاه داده را مشخص كرده و سپس پارامترهاي مناسب براي آن را تعيين نماييد.");
inline const QString kValuesCaption = QStringLiteral("مقادير...");
inline const QString kQueryHasParameterMessage =
    QStringLiteral("پرسوجوي فعلي، شامل پارامتر ميباشد و قابل بررسي نيست.");
inline const QString kQueryCorrectMessage = QStringLiteral("پرسوجوي داده شده صحيح است.");
inline const QString kQueryCorrectTitle = QStringLiteral("صحت پرسوجو");
inline const QString kQuerySyntaxMessage = QStringLiteral("پرسوجوي داده شده ايراد نحوي دارد.");
inline const QString kNotAllowedTitle = QStringLiteral("عمل مورد نظر غير مجاز است");
inline const QString kSlowReportTitle = QStringLiteral("هشدار زمانبر بودن گزارش");
inline const QString kSlowReportQuestion = QStringLiteral(
    "حداقل يكي از جدولهاي گزارش بدون شرط است و ممكن است موجب طولاني شدن زمان مشاهده گزارش شود. آيا مايل به "
    "اضافه كردن شرط هستيد؟");
inline const QString kValuedParametersTitle = QStringLiteral("پارامتر در پرسوجو");
inline const QString kValuedParametersQuestion = QStringLiteral(
    "پرسوجوي اين گزارش، حاوي پارامتر(هايي) است كه مقداردهي شدهاند. آيا پرسوجو با پارامترهاي مقداردهي شده ذخيره "
    "گردد؟");
inline const QString kHelpMissingMessage = QStringLiteral("مسير فايل راهنما مشخص نيست.");
inline const QString kSaveFailedMessage = QStringLiteral("پرسوجوي گزارش ذخيره نشد.");

// The run-time values a procedure call or a condition may name.
inline const QString kUserIdValue = QStringLiteral("مشخصه كاربر");
inline const QString kEmployeeIdValue = QStringLiteral("مشخصه كارمند");
inline const QString kPositionIdValue = QStringLiteral("مشخصه موقعيت كاربر");
inline const QString kRunDateValue = QStringLiteral("تاريخ اجراي گزارش");
inline const QString kRunTimeValue = QStringLiteral("زمان اجراي گزارش");

// Grouping.
inline const QString kGroupingCaption = QStringLiteral("گروهبندي نتايج");
inline const QString kGroupByLabel = QStringLiteral("گروهبندي بر اساس ستونهاي:");
inline const QString kColumnLabel = QStringLiteral("ستون:");
inline const QString kFunctionLabel = QStringLiteral("تابع:");
inline const QString kAggregatedLabel = QStringLiteral("ستونهاي تجميع شده:");
inline const QString kDeleteAllCaption = QStringLiteral("حذف همه");
inline const QString kGroupingHelp = QStringLiteral(
    "نحوه گروهبندي نتيجه پرسوجو را مشخص نماييد. از توابع تجمعي به شكل مناسبي استفاده كنيد.");
inline const QString kGroupingDeleteHelp =
    QStringLiteral("براي حذف يك ستون، پس از انتخاب آن، كليد Delete را فشار دهيد.");
inline const QString kGroupedNotAggregatedMessage = QStringLiteral(
    "بر اساس ستون انتخاب شده، گروهبندي انجام شده است. از اينرو امكان تجميع آن وجود ندارد.");
inline const QString kAggregatedNotGroupedMessage = QStringLiteral(
    "بر روي ستون انتخاب شده، تجميع صورت گرفته است. از اينرو امكان گروهبندي بر اساس آن وجود ندارد.");
inline const QString kRemoveColumnTitle = QStringLiteral("حذف ستون از فهرست ستونهاي انتخاب شده");
inline const QString kSureQuestion = QStringLiteral("آيا مطمئن هستيد؟");
// %1: the column's Farsi name.
inline const QString kUngroupedColumnMessage = QStringLiteral(
    "بر اساس ستون «%1» گروهبندي انجام نشده است و اين ستون تحت تابع تجمعي نيز قرار نگرفته است.");

// Sorting.
inline const QString kSortingCaption = QStringLiteral("مرتبسازي نتيجه");
inline const QString kSelectedColumnsLabel = QStringLiteral("ستونهاي انتخاب شده:");
inline const QString kSortColumnsLabel = QStringLiteral("ستونهاي مرتبسازي:");
inline const QString kAscendingWord = QStringLiteral("صعودي");
inline const QString kDescendingWord = QStringLiteral("نزولي");
inline const QString kSortingHelp =
    QStringLiteral("ستونهايي را كه ميخواهيد بر اساس آنها مرتبسازي انجام شود، انتخاب كنيد.");

// Visual query builder.
inline const QString kBuilderCaption = QStringLiteral("انتخاب ستونها");
inline const QString kAllReportsRoot = QStringLiteral("تمام گزارشها");
inline const QString kAllReportsRootEnglish = QStringLiteral("All Reports");
inline const QString kDatabaseNamesCaption = QStringLiteral("نام پايگاه داده");
inline const QString kFindTableCaption = QStringLiteral("جستجو");
inline const QString kTranslationsHelp = QStringLiteral("با F2 ميتوانيد ترجمه ها را تغيير دهيد.");
inline const QString kChooseColumnsLabel = QStringLiteral("ستونهايي را كه ميخواهيد نمايش داده شوند انتخاب كنيد.");
inline const QString kSelectedColumnsAndValuesLabel = QStringLiteral("ستونها و مقادير انتخاب شده:");
inline const QString kRenameHelp = QStringLiteral("با Right Click يا F2 ميتوانيد نام را تغيير دهيد.");
inline const QString kConstantHelp = QStringLiteral("رشتههاي ثابت را در داخل دو علامت % قرار دهيد.");
inline const QString kColumnModeCaption = QStringLiteral("ستون");
inline const QString kConstantModeCaption = QStringLiteral("مقدار ثابت");
inline const QString kOperatorModeCaption = QStringLiteral("عملگر");
inline const QString kMoveUpCaption = QStringLiteral("بالا");
inline const QString kMoveDownCaption = QStringLiteral("پايين");
inline const QString kRenameMenuCaption = QStringLiteral("تغيير نام");
inline const QString kWithoutColumns = QStringLiteral("بدون ستون");
inline const QString kWithoutAnyCols = QStringLiteral("Without Any Cols");
inline const QString kExpressionCaption = QStringLiteral("عبارت");
inline const QString kChooseTableTitle = QStringLiteral("انتخاب نام جدول");
inline const QString kChooseTableQuestion = QStringLiteral(
    "شما نام يك جدول را انتخاب كردهايد. آيا تمام ستونهاي اين جدول انتخاب شوند؟(بلي) و يا تنها جدول، بدون ستون "
    "انتخاب گردد؟ در حالت اخير، ستونهاي جدول تنها براي تعريف شرايط و گروهبندي بهكار خواهند رفت و نمايش داده "
    "نميشوند.(خير)");
inline const QString kDuplicateColumnTitle = QStringLiteral("تكرار ستون");
inline const QString kDuplicateColumnQuestion =
    QStringLiteral("ستون انتخاب شده، قبل از اين اضافه شده است. آيا ادامه ميدهيد؟");
inline const QString kGridHeaders[8] = {
    QStringLiteral("عنوان ستون"), QStringLiteral("عنوان ستون انگليسي"), QStringLiteral("شماره رايانهاي شرح"),
    QStringLiteral("شرح"),        QStringLiteral("عرض ستون"),           QStringLiteral("تراز"),
    QStringLiteral("ادغام"),      QStringLiteral("تكست"),
};

// Rename and reference-column dialogs.
inline const QString kRenameCaption = QStringLiteral("تغيير نام ستون");
inline const QString kNewTitleLabel = QStringLiteral("عنوان جديد:");
inline const QString kSpecialColumnCaption = QStringLiteral("ستون ويژه");
inline const QString kNoTitleMessage = QStringLiteral("عنوان مشخص نشده است!");
inline const QString kQuestionCaption = QStringLiteral("پرسش");
inline const QString kReferenceQuestion = QStringLiteral(
    "ستون انتخاب شده به جدولي ديگر اشاره دارد. آيا مايليد كه اطلاعات اين جدول نمايش داده شود؟");
inline const QString kChooseOptionMessage = QStringLiteral("يكي از گزينهها را انتخاب نماييد.");

// Condition builder.
inline const QString kConditionsCaption = QStringLiteral("تعريف محدوديتها");
inline const QString kConditionsHelp =
    QStringLiteral("محدوديتهايي را مشخص كنيد كه جهت انتخاب سطرها استفاده ميشوند.");
inline const QString kOperatorLabel = QStringLiteral("عملگر:");
inline const QString kValueColumnLabel = QStringLiteral("ستون/ پارامتر/ مقدار:");
inline const QString kAndCaption = QStringLiteral("و (And)");
inline const QString kOrCaption = QStringLiteral("يا (Or)");
inline const QString kNotCaption = QStringLiteral("غير (Not)");
inline const QString kNewCaption = QStringLiteral("جديد");
inline const QString kCreateJoinCaption = QStringLiteral("ايجاد الحاق");
inline const QString kTypeMismatchQuestion =
    QStringLiteral("پارامتر و ستون انتخاب شده هم نوع نيستند. آيا نوع پارامتر به نوع ستون تغيير يابد؟ ");
// %1: the parameter's control type.
inline const QString kUseAmongQuestion = QStringLiteral(
    "به دليل استفاده از نوع نمايشي «%1» بهتر است از عملگر «از ميان» استفاده كنيد. آيا عملگر به مقدار صحيح تغيير "
    "بايد؟");
inline const QString kAmongOperator = QStringLiteral("از ميان مقادير");
inline const QString kHasValueOperator = QStringLiteral("مقداردار");
inline const QString kHasNoValueOperator = QStringLiteral("بيمقدار");
inline const QString kLikeOperator = QStringLiteral("مشابه");

// Value picker.
inline const QString kValuesWindowCaption = QStringLiteral("تخصيص مقدار");
inline const QString kNormalValuesCaption = QStringLiteral("مقدار عادي");
inline const QString kEnvValuesCaption = QStringLiteral("مقدار محيطي (زمان اجرا)");
inline const QString kInexactHint = QStringLiteral("براي ورود مقدار غيردقيق از علامت * استفاده كنيد.");
inline const QString kValueLabel = QStringLiteral("مقدار:");
inline const QString kChooseValuesLabel = QStringLiteral("مقادير مورد نظر خود را انتخاب كنيد.");
inline const QString kNoValueMessage = QStringLiteral("مقداري انتخاب نشده است.");
inline const QString kTrueText = QStringLiteral("درست");
inline const QString kFalseText = QStringLiteral("نادرست");
// A name from the dictionary that is not a plain identifier is not pasted into a statement.
inline const QString kUnsafeNameMessage = QStringLiteral("نام «%1» در فرهنگ داده‌ها نام معتبري براي جدول يا ستون نيست.");

} // namespace kelvo::design
