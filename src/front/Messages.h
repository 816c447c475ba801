#pragma once

#include <QString>

// The Persian texts the front and every window share.
namespace kelvo::front {

// The title of almost every message: "Error".
inline const QString kErrorTitle = QStringLiteral("خطا");
// The title of questions, and the captions of the dialogs' common commands.
inline const QString kWarningTitle = QStringLiteral("هشدار");
inline const QString kConfirmCaption = QStringLiteral("تاييد");
inline const QString kCancelCaption = QStringLiteral("انصراف");
// A command that failed.
inline const QString kFailedMessage = QStringLiteral("انجام عمليات با خطا روبرو شد.");
// Refusal of every permission check.
inline const QString kNotPermittedMessage =
    QStringLiteral("شما مجاز به انجام اين عمليات نيستيد. لطفاً با نگهدارنده سيستم هماهنگ کنيد.");
// A component file that can be neither created nor loaded.
inline const QString kMissingComponentFileMessage =
    QStringLiteral("فايل مورد نظر شما وجود ندارد. لطفاً به نگهدارنده سيستم مراجعه نماييد.");

// A list of the query being designed that is full; %1: how many it holds.
inline const QString kListFullMessage =
    QStringLiteral("اين فهرست حداكثر %1 قلم ميپذيرد؛ قلم ديگري افزوده نشد.");

} // namespace kelvo::front
