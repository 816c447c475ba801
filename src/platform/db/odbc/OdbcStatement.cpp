#include "platform/db/odbc/OdbcStatement.h"

#include "platform/db/DbError.h"
#include "platform/db/odbc/OdbcDiagnostics.h"

#include <QDateTime>

#include <sql.h>
#include <sqlext.h>
#include <sqlucode.h>

#include <cstring>

namespace kelvo::db {

static_assert(sizeof(SQLLEN) == sizeof(qint64), "the bound indicator is an SQLLEN");

namespace {

// SQL Server's time type, reported by its drivers instead of SQL_TYPE_TIME.
constexpr SQLSMALLINT kSqlServerTime = -154;
// Texts up to this length bind as nvarchar(n); longer ones as long text.
constexpr int kShortTextLimit = 4000;
// Output texts and binaries receive up to this many characters or bytes.
constexpr int kOutputTextSize = 4000;
constexpr int kOutputBinarySize = 8000;

SQLSMALLINT directionOf(ParameterDirection d)
{
    switch (d) {
    case ParameterDirection::Output:
        return SQL_PARAM_OUTPUT;
    case ParameterDirection::InputOutput:
        return SQL_PARAM_INPUT_OUTPUT;
    case ParameterDirection::Input:
        break;
    }
    return SQL_PARAM_INPUT;
}

template <typename T>
QByteArray bytesOf(const T& value)
{
    return QByteArray(reinterpret_cast<const char*>(&value), sizeof(T));
}

template <typename T>
T valueOf(const QByteArray& buffer)
{
    T value{};
    std::memcpy(&value, buffer.constData(), qMin<qsizetype>(sizeof(T), buffer.size()));
    return value;
}

SQL_TIMESTAMP_STRUCT timestampOf(const QDateTime& dt)
{
    SQL_TIMESTAMP_STRUCT ts{};
    ts.year = SQLSMALLINT(dt.date().year());
    ts.month = SQLUSMALLINT(dt.date().month());
    ts.day = SQLUSMALLINT(dt.date().day());
    ts.hour = SQLUSMALLINT(dt.time().hour());
    ts.minute = SQLUSMALLINT(dt.time().minute());
    ts.second = SQLUSMALLINT(dt.time().second());
    ts.fraction = SQLUINTEGER(dt.time().msec()) * 1000000u;
    return ts;
}

QDateTime dateTimeOf(const SQL_TIMESTAMP_STRUCT& ts)
{
    return QDateTime(QDate(ts.year, ts.month, ts.day),
                     QTime(ts.hour, ts.minute, ts.second, int(ts.fraction / 1000000u)));
}

QString textOf(const char* data, qsizetype bytes)
{
    QString text = QString::fromUtf16(reinterpret_cast<const char16_t*>(data), bytes / 2);
    return text.isNull() ? QStringLiteral("") : text; // an empty text is not a NULL
}

} // namespace

QString OdbcProcedureCallText(const QString& name, int parameterCount)
{
    QStringList marks;
    for (int i = 0; i < parameterCount; ++i)
        marks << QStringLiteral("?");
    return QStringLiteral("{? = call ") + name + u'(' + marks.join(QStringLiteral(", ")) + QStringLiteral(")}");
}

OdbcStatement::OdbcStatement(void* connectionHandle)
{
    if (!connectionHandle)
        throw DbError(QStringLiteral("The ODBC connection is not open."));
    SQLHSTMT statement = SQL_NULL_HSTMT;
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_STMT, connectionHandle, &statement)))
        throw DbError(OdbcDiagnostics(SQL_HANDLE_DBC, connectionHandle));
    m_statement = statement;
}

OdbcStatement::~OdbcStatement()
{
    if (m_statement)
        SQLFreeHandle(SQL_HANDLE_STMT, m_statement);
}

void OdbcStatement::fail() const
{
    QList<ProviderError> errors = OdbcDiagnostics(SQL_HANDLE_STMT, m_statement);
    if (errors.isEmpty())
        errors.append(ProviderError{QStringLiteral("The ODBC driver reported a failure without a message."), 0, {}, {}});
    throw DbError(errors, m_text);
}

void OdbcStatement::bind(int index, const Parameter& p, Bound& b)
{
    const bool output = p.direction != ParameterDirection::Input;
    const bool input = p.direction != ParameterDirection::Output;
    const bool null = p.value.isNull();
    SQLSMALLINT sqlType = SQL_WVARCHAR;
    SQLULEN columnSize = 0;
    SQLSMALLINT digits = 0;

    switch (p.value.typeId()) {
    case QMetaType::Bool:
        b.cType = SQL_C_BIT;
        sqlType = SQL_BIT;
        b.buffer = bytesOf<unsigned char>(p.value.toBool() ? 1 : 0);
        columnSize = 1;
        break;
    case QMetaType::Int:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
        b.cType = SQL_C_SLONG;
        sqlType = SQL_INTEGER;
        b.buffer = bytesOf<SQLINTEGER>(SQLINTEGER(p.value.toInt()));
        columnSize = 10;
        break;
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        b.cType = SQL_C_SBIGINT;
        sqlType = SQL_BIGINT;
        b.buffer = bytesOf<SQLBIGINT>(SQLBIGINT(p.value.toLongLong()));
        columnSize = 19;
        break;
    case QMetaType::Double:
    case QMetaType::Float:
        b.cType = SQL_C_DOUBLE;
        sqlType = SQL_DOUBLE;
        b.buffer = bytesOf<double>(p.value.toDouble());
        columnSize = 15;
        break;
    case QMetaType::QDate:
    case QMetaType::QDateTime: {
        b.cType = SQL_C_TYPE_TIMESTAMP;
        sqlType = SQL_TYPE_TIMESTAMP;
        const QDateTime dt = p.value.typeId() == QMetaType::QDate ? p.value.toDate().startOfDay() : p.value.toDateTime();
        b.buffer = bytesOf(timestampOf(dt));
        columnSize = 23;
        digits = 3;
        break;
    }
    case QMetaType::QByteArray: {
        b.cType = SQL_C_BINARY;
        const QByteArray bytes = p.value.toByteArray();
        sqlType = bytes.size() > kOutputBinarySize ? SQL_LONGVARBINARY : SQL_VARBINARY;
        b.buffer = bytes;
        if (output && b.buffer.size() < kOutputBinarySize)
            b.buffer.resize(kOutputBinarySize);
        columnSize = SQLULEN(qMax<qsizetype>(output ? b.buffer.size() : bytes.size(), 1));
        if (input && !null)
            b.indicator = bytes.size();
        break;
    }
    default: { // text, and any other value as its text
        b.cType = SQL_C_WCHAR;
        const QString text = p.value.toString();
        sqlType = text.size() > kShortTextLimit ? SQL_WLONGVARCHAR : SQL_WVARCHAR;
        const qsizetype chars = output ? qMax<qsizetype>(text.size(), kOutputTextSize) : text.size();
        b.buffer = QByteArray((chars + 1) * 2, '\0');
        std::memcpy(b.buffer.data(), text.utf16(), size_t(text.size()) * 2);
        columnSize = SQLULEN(qMax<qsizetype>(chars, 1));
        if (input && !null)
            b.indicator = text.size() * 2;
        break;
    }
    }
    if (null && input)
        b.indicator = SQL_NULL_DATA;

    const SQLRETURN rc = SQLBindParameter(m_statement, SQLUSMALLINT(index + 1), directionOf(p.direction), b.cType,
                                          sqlType, columnSize, digits, b.buffer.data(), SQLLEN(b.buffer.size()),
                                          reinterpret_cast<SQLLEN*>(&b.indicator));
    if (!SQL_SUCCEEDED(rc))
        fail();
}

void OdbcStatement::execute(const QString& text, const std::vector<Parameter>& parameters)
{
    m_text = text;
    // Sized once: the driver keeps the addresses of every buffer and indicator.
    m_bound.assign(parameters.size(), Bound{});
    for (size_t i = 0; i < parameters.size(); ++i)
        bind(int(i), parameters[i], m_bound[i]);
    const SQLRETURN rc = SQLExecDirectW(m_statement, const_cast<SQLWCHAR*>(reinterpret_cast<const SQLWCHAR*>(text.utf16())),
                                        SQLINTEGER(text.size()));
    if (!SQL_SUCCEEDED(rc) && rc != SQL_NO_DATA)
        fail();
    m_started = false;
    m_done = false;
}

bool OdbcStatement::nextRowSet()
{
    m_columns.clear();
    m_columnInfo.clear();
    if (m_done)
        return false;
    if (m_started) {
        const SQLRETURN rc = SQLMoreResults(m_statement);
        if (rc == SQL_NO_DATA) {
            m_done = true;
            return false;
        }
        if (!SQL_SUCCEEDED(rc))
            fail();
    }
    m_started = true;
    for (;;) {
        SQLSMALLINT count = 0;
        if (!SQL_SUCCEEDED(SQLNumResultCols(m_statement, &count)))
            fail();
        if (count > 0) {
            for (SQLSMALLINT i = 1; i <= count; ++i) {
                SQLWCHAR name[256] = {};
                SQLSMALLINT nameLength = 0, type = 0, scale = 0, nullable = 0;
                SQLULEN size = 0;
                if (!SQL_SUCCEEDED(SQLDescribeColW(m_statement, SQLUSMALLINT(i), name, SQLSMALLINT(std::size(name)),
                                                   &nameLength, &type, &size, &scale, &nullable)))
                    fail();
                const QString columnName = QString::fromUtf16(reinterpret_cast<const char16_t*>(name),
                                                              qMin<qsizetype>(nameLength, std::size(name) - 1));
                m_columnInfo.push_back(Column{columnName, type});
                m_columns << columnName;
            }
            return true;
        }
        const SQLRETURN rc = SQLMoreResults(m_statement);
        if (rc == SQL_NO_DATA) {
            m_done = true;
            return false;
        }
        if (!SQL_SUCCEEDED(rc))
            fail();
    }
}

bool OdbcStatement::fetch(QVariantList& row)
{
    if (m_columnInfo.empty())
        return false;
    const SQLRETURN rc = SQLFetch(m_statement);
    if (rc == SQL_NO_DATA)
        return false;
    if (!SQL_SUCCEEDED(rc))
        fail();
    row.clear();
    for (size_t i = 0; i < m_columnInfo.size(); ++i)
        row.append(columnValue(int(i) + 1, m_columnInfo[i].sqlType));
    return true;
}

void OdbcStatement::finish()
{
    while (nextRowSet()) {
    }
}

QByteArray OdbcStatement::readLong(int index, short cType, int terminatorSize)
{
    QByteArray value;
    char chunk[8192];
    const SQLLEN room = SQLLEN(sizeof(chunk)) - terminatorSize;
    for (;;) {
        SQLLEN indicator = 0;
        const SQLRETURN rc = SQLGetData(m_statement, SQLUSMALLINT(index), cType, chunk, SQLLEN(sizeof(chunk)), &indicator);
        if (rc == SQL_NO_DATA)
            break;
        if (!SQL_SUCCEEDED(rc))
            fail();
        if (indicator == SQL_NULL_DATA)
            return QByteArray();
        if (indicator != SQL_NO_TOTAL && indicator <= room) {
            value.append(chunk, indicator);
            if (value.isNull())
                value = QByteArray("");
            break;
        }
        value.append(chunk, room); // more follows
    }
    return value;
}

QVariant OdbcStatement::columnValue(int index, short sqlType)
{
    SQLLEN indicator = 0;
    auto get = [&](SQLSMALLINT cType, void* target, SQLLEN size) {
        if (!SQL_SUCCEEDED(SQLGetData(m_statement, SQLUSMALLINT(index), cType, target, size, &indicator)))
            fail();
        return indicator != SQL_NULL_DATA;
    };
    switch (sqlType) {
    case SQL_BIT:
    case SQL_TINYINT:
    case SQL_SMALLINT:
    case SQL_INTEGER: {
        SQLINTEGER v = 0;
        return get(SQL_C_SLONG, &v, sizeof(v)) ? QVariant(int(v)) : QVariant();
    }
    case SQL_BIGINT: {
        SQLBIGINT v = 0;
        return get(SQL_C_SBIGINT, &v, sizeof(v)) ? QVariant(qlonglong(v)) : QVariant();
    }
    case SQL_REAL:
    case SQL_FLOAT:
    case SQL_DOUBLE:
    case SQL_DECIMAL:
    case SQL_NUMERIC: {
        double v = 0;
        return get(SQL_C_DOUBLE, &v, sizeof(v)) ? QVariant(v) : QVariant();
    }
    case SQL_TYPE_DATE:
    case SQL_DATE: {
        SQL_DATE_STRUCT v{};
        return get(SQL_C_TYPE_DATE, &v, sizeof(v)) ? QVariant(QDate(v.year, v.month, v.day)) : QVariant();
    }
    case SQL_TYPE_TIME:
    case SQL_TIME:
    case kSqlServerTime: {
        SQL_TIME_STRUCT v{};
        return get(SQL_C_TYPE_TIME, &v, sizeof(v)) ? QVariant(QTime(v.hour, v.minute, v.second)) : QVariant();
    }
    case SQL_TYPE_TIMESTAMP:
    case SQL_TIMESTAMP: {
        SQL_TIMESTAMP_STRUCT v{};
        return get(SQL_C_TYPE_TIMESTAMP, &v, sizeof(v)) ? QVariant(dateTimeOf(v)) : QVariant();
    }
    case SQL_BINARY:
    case SQL_VARBINARY:
    case SQL_LONGVARBINARY: {
        const QByteArray bytes = readLong(index, SQL_C_BINARY, 0);
        return bytes.isNull() ? QVariant() : QVariant(bytes);
    }
    default: {
        const QByteArray bytes = readLong(index, SQL_C_WCHAR, 2);
        return bytes.isNull() ? QVariant() : QVariant(textOf(bytes.constData(), bytes.size()));
    }
    }
}

QVariant OdbcStatement::output(int index) const
{
    if (index < 0 || size_t(index) >= m_bound.size())
        return {};
    const Bound& b = m_bound[size_t(index)];
    if (b.indicator == SQL_NULL_DATA)
        return {};
    switch (b.cType) {
    case SQL_C_BIT:
        return valueOf<unsigned char>(b.buffer) != 0;
    case SQL_C_SLONG:
        return int(valueOf<SQLINTEGER>(b.buffer));
    case SQL_C_SBIGINT:
        return qlonglong(valueOf<SQLBIGINT>(b.buffer));
    case SQL_C_DOUBLE:
        return valueOf<double>(b.buffer);
    case SQL_C_TYPE_TIMESTAMP:
        return dateTimeOf(valueOf<SQL_TIMESTAMP_STRUCT>(b.buffer));
    case SQL_C_BINARY:
        return b.buffer.left(qBound<qsizetype>(0, b.indicator, b.buffer.size()));
    default:
        return textOf(b.buffer.constData(), qBound<qsizetype>(0, b.indicator, b.buffer.size() - 2));
    }
}

} // namespace kelvo::db
