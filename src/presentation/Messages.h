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

} // namespace kelvo::presentation
