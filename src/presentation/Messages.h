#pragma once

#include "front/Messages.h"

#include <QString>

// The Persian texts of running and showing reports.
namespace kelvo::presentation {

using front::kCancelCaption;
using front::kConfirmCaption;
using front::kWarningTitle;

inline const QString kNoQueryMessage = QStringLiteral("براي اين گزارش پرس و جويي تعريف نشده است.");
inline const QString kNoReportMessage = QStringLiteral("گزارش شماره %1 وجود ندارد.");
inline const QString kUnknownParameterMessage = QStringLiteral("پرس و جوي گزارش از «%1» نام ميبرد كه پارامتر اين گزارش نيست.");
inline const QString kManyValuesMessage =
    QStringLiteral("پارامتر «%1» چند مقدار دارد و تنها درون IN (…) به كار ميرود.");
inline const QString kNotANumberMessage = QStringLiteral("مقدار پارامتر «%1» بايد عدد باشد.");
inline const QString kEmptyParameterMessage = QStringLiteral("مقدار «%1» را وارد كنيد.");
inline const QString kRunFailedMessage = QStringLiteral("اجراي گزارش با خطا روبرو شد.");
inline const QString kRunCancelledMessage = QStringLiteral("اجراي گزارش لغو شد.");

// Opening a called report and pressing an action button.
inline const QString kOpenReportCaption = QStringLiteral("نمايش گزارش «%1»");
inline const QString kMissingHeadingMessage =
    QStringLiteral("ستون «%1» در نتيجه اين گزارش نيست؛ گزارش «%2» بدون مقدار آن اجرا نميشود.");
inline const QString kButtonTitle = QStringLiteral("اجراي روال");
inline const QString kButtonQuestion = QStringLiteral("دكمه «%1» روال «%2» را براي سطر جاري اجرا ميكند. ادامه ميدهيد؟");
inline const QString kButtonDoneMessage = QStringLiteral("روال «%1» اجرا شد.");
inline const QString kReturnValueLine = QStringLiteral("مقدار بازگشتي: %1");
inline const QString kButtonFailedMessage = QStringLiteral("اجراي روال «%1» با خطا روبرو شد.");
inline const QString kArgumentCountMessage =
    QStringLiteral("روال «%1» %2 پارامتر دارد، ولي براي دكمه «%3» %4 مقدار تعريف شده است.");
inline const QString kNoProcedureMessage = QStringLiteral("روال «%1» در پايگاه داده وجود ندارد.");

// Row merge.
inline const QString kMergeCaption = QStringLiteral("ادغام سطرها");
inline const QString kMergePresent = QStringLiteral("ادغام سطرها (دارد)");
inline const QString kMergeAbsent = QStringLiteral("ادغام سطرها (ندارد)");
inline const QString kColumnsLabel = QStringLiteral("ستونها:");
inline const QString kMergeUniqueOption = QStringLiteral("مقادير سطرها در اين ستون، بر اساس ستون مبنا، يكتا است.");
inline const QString kMergeBaseOption = QStringLiteral("اين ستون، مبنا منظور شود.");
inline const QString kMergeSumOption =
    QStringLiteral("مقادير سطرها در اين ستون، به تفكيك ستونهاي مبنا جمع شود.");
inline const QString kMergeDistinctOption = QStringLiteral(
    "مقادير متمايز سطرها در اين ستون، به تفكيك ستونهاي مبنا، با \"،\" از هم جدا شوند.");
inline const QString kNoBaseColumnMessage =
    QStringLiteral("براي ادغام سطرها، لازم است كه يكي از ستونها به عنوان مبنا انتخاب شده باشد.");
inline const QString kDeleteTitle = QStringLiteral("حذف گزارش");
inline const QString kDeleteMergeQuestion = QStringLiteral("آيا مطمئن كه قصد حذف ادغام سطرها را داريد؟");
inline const QString kDeleteCaption = QStringLiteral("حذف");

// Row colours.
inline const QString kRowColorsCaption = QStringLiteral("رنگ سطرها");
inline const QString kColourKindLabel = QStringLiteral("نوع تغيير رنگ گزارش:");
inline const QString kForeColorCaption = QStringLiteral("رنگ نوشتار تغيير يابد.");
inline const QString kBackColorCaption = QStringLiteral("رنگ زمينه تغيير يابد.");
inline const QString kColourColumnLabel = QStringLiteral("1- ستون زير به عنوان ستون تعيين رنگ منظور شود:");
inline const QString kColourValuesLabel =
    QStringLiteral("2. به ازاي مقادير زير رنگ هر يك از رديفها بصورت زير تغيير يابد:");
inline const QString kColourHeader =
    QStringLiteral("رديف |^   مقدار ستون     |^  رنگ نوشتار (بصورت RGB)            |^  رنگ زمينه (بصورت RGB)");
inline const QString kRepeatedValueMessage = QStringLiteral("مقادير ستون نبايد تكراري باشد.");

// Row expressions.
inline const QString kExpressionsListCaption = QStringLiteral("مشاهده محاسبات سطري");
inline const QString kExpressionEditorCaption = QStringLiteral("تعريف محاسبات سطري");
inline const QString kExpressionsHeader = QStringLiteral(
    "رديف|عنوان|عبارت محاسباتي سطر بعدي|عبارت محاسباتي  سطرهاي اول|نوع نمايش");
inline const QString kSureToDeleteQuestion = QStringLiteral("آيا براي عمل حذف مطمئن هستيد؟");
inline const QString kSureToCancelQuestion = QStringLiteral("آيا براي عمل انصراف مطمئن هستيد؟");
inline const QString kPositiveOnlyText = QStringLiteral("فقط اعداد مثبت");
inline const QString kNegativeOnlyText = QStringLiteral("فقط اعداد منفي");
inline const QString kCurrentRowSuffix = QStringLiteral(" (سطر جاري)");
inline const QString kPreviousRowSuffix = QStringLiteral(" (سطر قبلي)");
inline const QString kAddCaption = QStringLiteral("اضافه");
inline const QString kClearCaption = QStringLiteral("پاك كردن");
inline const QString kNewCaption = QStringLiteral("جديد");
inline const QString kEditCaption = QStringLiteral("اصلاح");
inline const QString kFirstRowOption = QStringLiteral("سطر اول");
inline const QString kLaterRowsOption = QStringLiteral("سطرهاي بعدي");
inline const QString kBothOption = QStringLiteral("هردو");
inline const QString kCalculationKindCaption = QStringLiteral("نوع محاسبه");
inline const QString kTypeValueHint =
    QStringLiteral("براي وارد كردن مقدار ميتوانيد مقدار مورد نظر را بالا مستقيماً تايپ كنيد.");
inline const QString kCurrentColumnRefused = QStringLiteral("اين ستون از سطر جاري غير قابل انتخاب است.");
inline const QString kDuplicateTitleMessage = QStringLiteral("عنوان تكراري است.");
inline const QString kTitleLabel = QStringLiteral("عنوان:");
inline const QString kDisplayKindLabel = QStringLiteral("نوع نمايش:");

// Column formats.
inline const QString kFormatCaption = QStringLiteral("قالب ستونها");
inline const QString kColumnNameLabel = QStringLiteral("نام ستون");
inline const QString kColumnSizeLabel = QStringLiteral("اندازه");
inline const QString kAlignLeft = QStringLiteral("چپچين");
inline const QString kAlignCentre = QStringLiteral("وسطچين");
inline const QString kAlignRight = QStringLiteral("راستچين");
inline const QString kInvisibleInTextFileCaption = QStringLiteral("غير قابل مشاهده در هنگام تهيه فايل تكست");
inline const QString kGridRowHeightLabel = QStringLiteral("پهناي هر رديف");
inline const QString kWidthTooLargeMessage = QStringLiteral("اندازه ستون بايد عددي از 0 تا 32767 باشد.");

// Distribution into columns.
inline const QString kInColumnsCaption = QStringLiteral("توزيع مقادير در سرستونها");
inline const QString kNewHeadingsLabel = QStringLiteral("سرستونهاي جديد:");
inline const QString kItemsCount = QStringLiteral(" (%1 مورد)");
inline const QString kTreeMultipleMessage = QStringLiteral(
    "به دليل آنكه گزارش سلسله مراتبي است، انتخاب چندگانه در اين قسمت مجاز نميباشد.");
inline const QString kDeleteDistributionQuestion = QStringLiteral("آيا مطمئن كه قصد حذف توزيع در ستون را داريد؟");
inline const QString kInColumnsTitle = QStringLiteral("توزيع در ستونها");
inline const QString kUsePreviousQuestion = QStringLiteral("آيا از مقادير قبلي استفاده ميكنيد؟");
inline const QString kDistributingColumnLabel = QStringLiteral("ستون توزيع شونده:");
inline const QString kValueColumnsLabel = QStringLiteral("ستونهاي مقدار:");

// Charts.
inline const QString kChartCaption = QStringLiteral("نمودار");
inline const QString kDefineChartOption = QStringLiteral("تعريف نمودار");
inline const QString kViewChartOption = QStringLiteral("مشاهده نمودار");
inline const QString kChartRowsLabel = QStringLiteral("تعريف سطرها و ستونهاي نمودار");
inline const QString kHorizontalAxisLabel = QStringLiteral("انتخاب پارامتر محور افقي");
inline const QString kVerticalAxisLabel = QStringLiteral("انتخاب پارامترهاي محور عمودي");
inline const QString kChartTypeLabel = QStringLiteral("نوع نمودار:");
inline const QString kAccumulateCaption = QStringLiteral("تجمعي");
inline const QString kShowChartCaption = QStringLiteral("نمايش نمودار همراه گزارش");
inline const QString kDrawCaption = QStringLiteral("رسم");
inline const QString kSaveCaption = QStringLiteral("ثبت");
inline const QString kPrintChartCaption = QStringLiteral("چاپ");
inline const QString kSaveImageCaption = QStringLiteral("ذخيره تصوير");
inline const QString kExitCaption = QStringLiteral("خروج");
inline const QString kDefaultChartTypeName = QStringLiteral("نمودار خطي دو بعدي ");
inline const QString kMergedChartMessage = QStringLiteral("ادغام سطرها بر روي گزارش ادغام شده کار نميکند.");

// The design-and-run window.
inline const QString kBuilderCaption = QStringLiteral("طراحي و اجراي گزارش");
inline const QString kRefreshFirst = QStringLiteral(
    "بازسازي محتواي گزارش بعد از اجراي گزارش انجام ميشود. لطفاً اول گزارش را اجرا نماييد.");
inline const QString kMergeFirst =
    QStringLiteral("ادغام سطرها بر روي نتيجه اجراي گزارش اعمال ميشود. لطفاً اول گزارش را اجرا نماييد.");
inline const QString kInColumnsFirst =
    QStringLiteral("توزيع در ستون بر روي نتيجه اجراي گزارش اعمال ميشود. لطفاً اول گزارش را اجرا نماييد.");
inline const QString kRowColorsFirst =
    QStringLiteral("رنگ سطري بر روي نتيجه اجراي گزارش اعمال ميشود. لطفاً اول گزارش را اجرا نماييد.");
inline const QString kFormatFirst =
    QStringLiteral("قالب ستون بر روي نتيجه اجراي گزارش اعمال ميشود. لطفاً اول گزارش را اجرا نماييد.");
inline const QString kAddExprFirst =
    QStringLiteral("محاسبات سطري بر روي نتيجه اجراي گزارش اعمال ميشود. لطفاً اول گزارش را اجرا نماييد.");
inline const QString kDiagramFirst =
    QStringLiteral("نموداركشي بر روي نتيجه اجراي گزارش اعمال ميشود. لطفاً اول گزارش را اجرا نماييد.");
inline const QString kRelReportFirst =
    QStringLiteral("فراخواني گزارش بر روي نتيجه اجراي گزارش اعمال ميشود. لطفاً اول گزارش را اجرا نماييد.");
inline const QString kButtonsFirst =
    QStringLiteral("دكمههاي گزارش بر روي نتيجه اجراي گزارش اعمال ميشود. لطفاً اول گزارش را اجرا نماييد.");
inline const QString kContinueCaption = QStringLiteral("ادامه");

} // namespace kelvo::presentation
