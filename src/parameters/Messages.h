#pragma once

#include "front/Messages.h"

#include <QString>

// The Persian texts of the parameter windows: the parameter definitions, the
// automatic creation of parameters and the layout of the parameter form.
namespace kelvo::parameters {

using front::kCancelCaption;
using front::kConfirmCaption;
using front::kErrorTitle;
using front::kWarningTitle;
inline const QString kSaveCaption = QStringLiteral("ثبت");
inline const QString kExitCaption = QStringLiteral("خروج");

// Parameter definitions.
inline const QString kDefineParametersTitle = QStringLiteral("تعريف پارامترها");
inline const QString kNewModeSuffix = QStringLiteral(" (جديد)");
inline const QString kEditModeSuffix = QStringLiteral(" (اصلاح)");
inline const QString kBrowseModeSuffix = QStringLiteral(" (مشاهده)");
inline const QString kParameterListLabel = QStringLiteral("پارامترهاي گزارش:");
inline const QString kComputerNumberLabel = QStringLiteral("شماره رايانهاي:");
inline const QString kTitleLabel = QStringLiteral("عنوان:");
inline const QString kDescriptionLabel = QStringLiteral("توضيحات:");
inline const QString kDatabaseTypeLabel = QStringLiteral("نوع در پايگاه داده:");
inline const QString kDisplayTypeLabel = QStringLiteral("نوع نمايشي:");
inline const QString kMajorViewLabel = QStringLiteral("شيئ اصلي:");
inline const QString kMinorViewLabel = QStringLiteral("شيئ فرعي:");
inline const QString kColSpanLabel = QStringLiteral("طول جزء سازنده:");
inline const QString kRowSpanLabel = QStringLiteral("عرض جزء سازنده:");
inline const QString kSequenceLabel = QStringLiteral("شماره ترتيب:");
inline const QString kVisibleCaption = QStringLiteral("قابل مشاهده");
inline const QString kNewCaption = QStringLiteral("جديد");
inline const QString kEditCaption = QStringLiteral("اصلاح");
inline const QString kDeleteCaption = QStringLiteral("حذف");
inline const QString kDeleteAllCaption = QStringLiteral("حذف تمام پارامترها");
inline const QString kReportFormCaption = QStringLiteral("تنظيم فرم پرسش");
inline const QString kParamBuilderCaption = QStringLiteral("توليد خودكار پارامتر");

inline const QString kNoTitleMessage = QStringLiteral("عنوان پارامتر را مشخص كنيد.");
inline const QString kNoFormColumnsMessage = QStringLiteral("تعداد ستونهاي فرم بايد بيشتر از صفر باشد.");
inline const QString kNoColSpanMessage = QStringLiteral("طول جزء سازنده بايد بيشتر از صفر باشد.");
inline const QString kNoRowSpanMessage = QStringLiteral("عرض جزء سازنده بايد بيشتر از صفر باشد.");
inline const QString kNoColumnWidthMessage = QStringLiteral("عرض ستون بايد بيشتر از صفر باشد.");
inline const QString kNoRowHeightMessage = QStringLiteral("عرض رديف بايد بيشتر از صفر باشد.");
inline const QString kColSpanTooLongMessage =
    QStringLiteral("طول جزء سازنده بايد نا بيشتر از تعداد ستونهاي فرم باشد.");
inline const QString kDuplicateTitleMessage = QStringLiteral("عنوان پارامتر تكراري است.");
inline const QString kDeleteQuestion =
    QStringLiteral("ممكن است پارامتري در گزارش استفاده شده باشد، آيا قصد حذف پارامتر(ها) راداريد؟");
inline const QString kDeleteAllQuestion = QStringLiteral("آيا ميخواهيد تمام پارامترهاي گزارش را حذف نماييد؟");
inline const QString kDeleteAllAgainQuestion =
    QStringLiteral("ممكن است پارامتري در گزارش استفاده شده باشد، آيا قصد حذف تمام پارامتر(ها) راداريد؟");

// Automatic creation.
inline const QString kParameterCreatorTitle = QStringLiteral("توليد خودكار پارامتر");
inline const QString kAllColumnsCaption = QStringLiteral("تمام ستونها");
inline const QString kSelectedColumnsCaption = QStringLiteral("ستونهاي انتخاب شده در گزارش");
inline const QString kColumnsLabel = QStringLiteral("ستونهايي كه براي آنها پارامتر توليد ميشود:");
inline const QString kNoColumnChosenMessage = QStringLiteral("هيچ ستوني انتخاب نشده است.");

// Parameter form layout.
inline const QString kReportFormTitle = QStringLiteral("تنظيم فرم پرسش");
inline const QString kFormColumnsLabel = QStringLiteral("تعداد ستونها:");
inline const QString kColumnWidthLabel = QStringLiteral("عرض ستون:");
inline const QString kRowHeightLabel = QStringLiteral("ارتفاع رديف:");
inline const QString kFormTooNarrowMessage =
    QStringLiteral("طول ستونهاي فرم بايد مساوي يا بيشتر از طول جزءهاي سازنده باشد.");

// Related reports.
inline const QString kRelReportTitle = QStringLiteral("گزارشهاي مرتبط");
inline const QString kCalledReportLabel = QStringLiteral("گزارش فراخواني شونده:");
inline const QString kCalledParameterLabel = QStringLiteral("پارامتر گزارش فراخواني شونده:");
inline const QString kSourceLabel = QStringLiteral("مقدار از ستون يا پارامتر:");
inline const QString kContinueCaption = QStringLiteral("ثبت");
inline const QString kNoCalledParametersMessage =
    QStringLiteral("گزارش فراخواني شونده فاقد پارامتر است. عمل ثبت انجام نميشود.");
inline const QString kDeleteLinkTitle = QStringLiteral("حذف ارتباط");
inline const QString kDeleteLinkQuestion = QStringLiteral("آيا مطمئن كه قصد حذف فراخواني گزارش را داريد؟");

// Action buttons.
inline const QString kButtonsTitle = QStringLiteral("دکمههاي گزارش");
inline const QString kNewButtonTitle = QStringLiteral("دکمه جديد");
inline const QString kButtonsHeader = QStringLiteral("رديف |^عنوان دکمه |^نام |^شماره رايانه اي");
inline const QString kButtonValuesHeader = QStringLiteral("رديف  |^نام ");
inline const QString kButtonCaptionLabel = QStringLiteral("عنوان:");
inline const QString kProcedureLabel = QStringLiteral("نام روال:");
inline const QString kHowToCallCaption = QStringLiteral("نحوه فراخواني");
inline const QString kChooseProcedureHint = QStringLiteral("براي مشاهده نحوه فراخواني روالي را مشخص نماييد.");
inline const QString kColumnOrValueLabel = QStringLiteral("ستون/مقدار:");
inline const QString kValuesCaption = QStringLiteral("مقادير...");
inline const QString kAddCaption = QStringLiteral("اضافه");
inline const QString kEveryParameterMessage = QStringLiteral("به همه پارامترها بايد مقداري مشخص کرد. ");

} // namespace kelvo::parameters
