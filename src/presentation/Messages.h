#pragma once

#include <QString>

// The Persian texts of running and showing reports.
namespace kelvo::presentation {

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

// The design-and-run window.
inline const QString kBuilderCaption = QStringLiteral("طراحي و اجراي گزارش");
inline const QString kNotYetAvailableMessage = QStringLiteral("پنجره «%1» در اين نسخه از گزارشساز هنوز موجود نيست.");
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
