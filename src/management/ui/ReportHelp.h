#pragma once

namespace kelvo::db {
class Connection;
}
namespace kelvo::front {
class Prompter;
}

namespace kelvo::management {

// Opens the report help file under the host's base path with the desktop's
// viewer; says so in Persian when the path is not known or the file does
// not open.
void ShowReportHelp(db::Connection& db, front::Prompter& prompter);

} // namespace kelvo::management
