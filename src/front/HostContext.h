#pragma once

#include "platform/db/Connection.h"
#include "query/QueryModel.h"

#include <QString>
#include <QtGlobal>

namespace kelvo::front {

// The host's window colours until it assigns its own (0x00BBGGRR).
inline constexpr quint32 kDefaultFormLightColor = 0xDBDBE1;
inline constexpr quint32 kDefaultFormMidColor = 0xC4BED8;
inline constexpr quint32 kDefaultFormDorkColor = 0x63597D;

// Who is signed in, which subsystem is active, which connection string is in
// use, and how the windows look and behave. One per process, refilled by each
// context start.
struct HostContext {
    QString CurrentConnectionString;
    qint16 CurrentUserID = 0;
    qint16 CurrentPositionID = 0;
    qint16 CurrentEmployeeID = 0;
    qint16 CurrentSystemID = -1; // -1: no subsystem
    QString CurrentReportID;
    QString CurrentUserName;
    QString CurrentEmployeeName;
    QString CurrentPositionName;
    QString FarsiKeyboardLayout; // eight hexadecimal digits, empty until detected
    quint32 FormLightColorValue = 0; // colours are 0x00BBGGRR
    quint32 FormMidColorValue = 0;
    quint32 FormDorkColorValue = 0;
    bool ModalWindows = false;
    bool QueryBuilderFlag = false;
    QString BasePath; // the host's installation folder
};

// The host context and the three connections: DtEn (main), DtEnSec
// (secondary, access by position) and DtEnMajor (the server's "Master"
// catalogue). Connections open on first use.
struct Session {
    HostContext context;
    db::Connection DtEn;
    db::Connection DtEnSec;
    db::Connection DtEnMajor;
    // The query being designed: clause texts, select items, model.
    query::QueryStores queries;
    // The design windows' scratch query text; emptied when the manager closes.
    QString TempQueryText;
};

// The session of this process, for the public classes that the host creates;
// everything below them takes the session (or the parts it uses) as an
// argument.
Session& ProcessSession();

// The property values of the public class that a context start reads.
struct HostProperties {
    qint16 UserID = 0;
    qint16 PositionID = 0;
    qint16 EmployeeID = 0;
    qint16 systemID = -1;
    QString OleConnectionString;
    qint32 ReportID = 0;
    quint32 FormLightColor = kDefaultFormLightColor;
    quint32 FormDorkColor = kDefaultFormDorkColor;
    quint32 FormMidColor = kDefaultFormMidColor;
};

enum class ContextStart {
    Full,                // ClearShow: keyboard layout and master connection
    FullWithMasterProbe, // View: as Full, then probes the master catalogue
    Limited,             // LimitedView: neither keyboard detection nor master connection
};

// Fills the context from the class's properties and sets up the three
// connections (without opening them). Throws db::DbError when the
// connection string yields no provider or, in a full start, no catalogue,
// and when a statement fails.
void StartContext(Session& session, const HostProperties& properties, ContextStart kind);

// Reads the user, employee and position names of the context's identifiers
// on the main connection; a name stays unchanged when its row is missing.
void LoadContextNames(HostContext& context, db::Connection& main);

// The Farsi keyboard layout for an operating-system major version: 4 gives
// "00000401", 5 and 6 give "00000429", any other keeps current.
QString FarsiLayoutForMajorVersion(int major, const QString& current);

// The master catalogue's connection string: the value of each catalogue key
// (Initial Catalog, Database) that names the catalogue of ";Initial Catalog"
// becomes "Master"; every other key keeps its value. Throws db::DbError when
// the string names no catalogue that way or is unsound.
QString MasterConnectionString(const QString& connectionString);

// Whether system parameter 123 asks for modal windows.
bool ReadModalWindows(db::Connection& main);

} // namespace kelvo::front
