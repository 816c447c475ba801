#include "platform/db/odbc/OdbcDiagnostics.h"

#include <sql.h>
#include <sqlext.h>
#include <sqlucode.h>

namespace kelvo::db {

static_assert(sizeof(SQLWCHAR) == sizeof(char16_t), "the ODBC wide character must be UTF-16");

QList<ProviderError> OdbcDiagnostics(short handleType, void* handle)
{
    QList<ProviderError> errors;
    if (!handle)
        return errors;
    for (SQLSMALLINT record = 1;; ++record) {
        SQLWCHAR state[SQL_SQLSTATE_SIZE + 1] = {};
        SQLINTEGER native = 0;
        SQLSMALLINT length = 0;
        std::vector<SQLWCHAR> message(SQL_MAX_MESSAGE_LENGTH + 1);
        SQLRETURN rc = SQLGetDiagRecW(handleType, handle, record, state, &native, message.data(),
                                      SQLSMALLINT(message.size()), &length);
        if (rc == SQL_SUCCESS_WITH_INFO && length >= SQLSMALLINT(message.size())) {
            message.resize(size_t(length) + 1);
            rc = SQLGetDiagRecW(handleType, handle, record, state, &native, message.data(),
                                SQLSMALLINT(message.size()), &length);
        }
        if (!SQL_SUCCEEDED(rc))
            break;
        ProviderError error;
        const qsizetype textLength = qMin<qsizetype>(length, qsizetype(message.size()) - 1);
        error.description = QString::fromUtf16(reinterpret_cast<const char16_t*>(message.data()), textLength);
        error.nativeCode = int(native);
        error.sqlState = QString::fromUtf16(reinterpret_cast<const char16_t*>(state));
        error.source = QStringLiteral("ODBC");
        errors.append(error);
    }
    return errors;
}

bool HasCancelState(const QList<ProviderError>& errors)
{
    for (const auto& e : errors)
        if (e.sqlState == QLatin1String("HY008"))
            return true;
    return false;
}

} // namespace kelvo::db
