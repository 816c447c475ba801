#pragma once

#include "front/HostContext.h"
#include "management/ManagerMode.h"
#include "management/Messages.h"

#include <QDate>
#include <QString>
#include <optional>

namespace kelvo::front {
class Prompter;
}

namespace kelvo::management {

// Permission numbers of the report manager's commands.
enum Permission : int {
    PermissionNew = 230201,
    PermissionEdit = 230202,
    PermissionDelete = 230203,
    PermissionSearch = 230204,
};

// Whether the current user may run a command: the main connection's
// spKelvoHasPermission with @UserID and @FormPermissionID; non-zero allows.
bool HasPermission(front::Session& session, int permissionNumber);

// A definition's own columns, as the report manager shows and saves them.
struct ReportHeader {
    qint32 id = -1;
    QString title;
    QString alias;
    QString notes;
    bool isGeneral = false;
    bool makeSecure = false;
    bool makeTree = false;
    bool showFlatternParameters = true;
    bool mediaVisible = false;
    std::optional<qint32> systemID;   // none when the selector is empty
    std::optional<qint32> formTypeID; // none when the selector is empty
    std::optional<qint32> creatorID;  // the creator control's tag
    QString creatorName;              // shown only
    QDate createDate;                 // the date control's Value
    QString farsiCreateDate;          // the date control's Text (yyyy/mm/dd); written only
    // Read for the design windows; a save does not write them.
    QString storedProcedure;          // SQLSP
    QString farsiStoredProcedure;     // FarsiSQLSP
    bool treeFlag = false;            // MakeTree is 1
};

enum class SaveOutcome {
    Saved,          // the header is written; reportID holds the saved row
    DuplicateTitle, // "عنوان گزارش تكراري است." was shown; nothing written
};

struct SaveResult {
    SaveOutcome outcome = SaveOutcome::Saved;
    qint32 reportID = -1;
    QString title; // the title as saved (trimmed, cut to 100 characters)
};

// Saves the definition shown by the manager in mode (insert, edit,
// insert-from): duplicate check, insert (modes 1, 6), header update, the
// copy of the source definition (mode 6, asking whether to carry its layout
// over; each layout step that fails is undone alone and skipped), then the
// grants by position. The row writes run in one transaction; the grants
// follow it, and a failure of the saver's own grant is shown through the
// prompter (the definition stays saved). Throws db::DbError when a write
// fails (nothing of the row writes is kept).
SaveResult SaveReport(front::Session& session, front::Prompter& prompter, ManagerMode mode, qint32 reportID,
                      qint32 sourceReportID, const ReportHeader& header);

enum class DeleteOutcome {
    Deleted,
    NotPermitted, // the refusal was shown
    Declined,     // the user answered no to one of the questions
    Failed,       // rolled back; a refused constraint showed "به اين گزارش وابستگي وجود دارد. امكان حذف
                  // آن وجود ندارد.", any other failure the database's message
};

// Deletes a definition with every row that hangs off it (layout, colours,
// parameters, links, charts, buttons, distribution, grants) in one
// transaction, and clears the form types that name it, after the permission
// check and the questions (general report, called by others). A failure
// inside the transaction is answered with Failed (rolled back, message shown); a failure of the permission check or of the look-up of
// calling reports, before anything is written, throws db::DbError.
DeleteOutcome DeleteReport(front::Session& session, front::Prompter& prompter, qint32 reportID, bool isGeneral);

} // namespace kelvo::management
