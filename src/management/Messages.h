#pragma once

#include "front/Messages.h"

#include <QString>

// The Persian texts of report management: the manager, saving and deleting,
// and the search window.
namespace kelvo::management {

using front::kNotPermittedMessage;

// The manager window.
inline const QString kManagerCaption = QStringLiteral("گزارش ");
inline const QString kSureQuestion = QStringLiteral("آيا مطمئن هستيد؟");
inline const QString kCancelEntryTitle = QStringLiteral("انصراف از ثبت ") + QStringLiteral("گزارش");
inline const QString kExitTitle = QStringLiteral("خروج از ") + QStringLiteral("گزارشساز");
inline const QString kTemplateFailedMessage = QStringLiteral("اجراي قالب گزارش ممكن نيست.");
inline const QString kFormRunnerFailedMessage = QStringLiteral("اجراي فرم گزارش ممكن نيست.");
inline const QString kHelpMissingMessage = QStringLiteral("مسير فايل راهنما مشخص نيست.");
inline const QString kOperationsMenuTitle = QStringLiteral("عمليات");
inline const QString kStatusText = QStringLiteral("كاربر: %1    كارمند: %2    پست سازماني: %3");
inline const QString kFormTypesTitle = QStringLiteral("فرمها");
inline const QString kReportGroupsTitle = QStringLiteral("گروههاي گزارش");

// Saving.
inline const QString kDuplicateTitleMessage = QStringLiteral("عنوان گزارش تكراري است.");
inline const QString kCopyLayoutTitle = QStringLiteral("انتقال اطلاعات گزارش اصلي");
inline const QString kCopyLayoutQuestion = QStringLiteral(
    "آيا اطلاعات گزارش اصلي، از قبيل نحوه نامگذاري ستونها، ادغام سطرها و توزيع در ستونها، به گزارش جديد نيز "
    "منتقل شوند؟");
inline const QString kCopyLostMessage =
    QStringLiteral("ذخيره گزارش انجام نشد: يكي از مراحل انتقال اطلاعات گزارش اصلي، كل عمليات را لغو كرد.");
// A report saved but not granted to the saver's own position, so that the
// report would not be listed for its creator.
inline const QString kOwnGrantFailedMessage = QStringLiteral(
    "گزارش ذخيره شد، اما دسترسي سمت شما به آن ثبت نشد و گزارش براي شما نمايش داده نميشود. لطفاً با نگهدارنده "
    "سيستم هماهنگ کنيد.");

// Deleting.
inline const QString kDeleteTitle = QStringLiteral("حذف ") + QStringLiteral("گزارش");
inline const QString kDeleteGeneralQuestion = QStringLiteral(
    "اين گزارش عمومي است و در اجراي نرمافزارها مورد نياز ميباشد. آيا از حذف آن اطمينان داريد؟");
inline const QString kDeleteCalledQuestion =
    QStringLiteral("اين گزارش توسط ديگر گزارشها فراخواني ميشود. در صورت حذف، امكان فراخواني گزارش در آنها از بين "
                   "ميرود. آيا از حذف آن اطمينان داريد؟");
inline const QString kDependentMessage = QStringLiteral("به اين گزارش وابستگي وجود دارد. امكان حذف آن وجود ندارد.");
inline const QString kDeleteFailedMessage = QStringLiteral("حذف گزارش انجام نشد.");

// The search window.
inline const QString kSearchFailedMessage = QStringLiteral("جستجوي گزارش انجام نشد.");

} // namespace kelvo::management
