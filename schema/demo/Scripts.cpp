#include "schema/demo/Scripts.h"

#include "platform/db/DbError.h"
#include "platform/db/sqlite/SqliteBackend.h"

#include <QFile>

// Resources of a static library register only when asked for by name.
static void InitSchemaResources()
{
    static const bool done = [] {
        Q_INIT_RESOURCE(schema);
        return true;
    }();
    (void)done;
}

namespace kelvo::schema {

QString SchemaScript(const QString& relativePath)
{
    InitSchemaResources();
    QFile file(QStringLiteral(":/schema/") + relativePath);
    if (!file.open(QIODevice::ReadOnly))
        throw db::DbError(QStringLiteral("The schema script \"%1\" is missing.").arg(relativePath));
    return QString::fromUtf8(file.readAll());
}

QStringList SplitSqlScript(const QString& script)
{
    QStringList statements;
    QString current;
    auto flush = [&] {
        const QString s = current.trimmed();
        if (!s.isEmpty())
            statements << s;
        current.clear();
    };
    const qsizetype n = script.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = script[i];
        if (c == u'-' && i + 1 < n && script[i + 1] == u'-') { // line comment
            while (i < n && script[i] != u'\n')
                ++i;
            current += u'\n';
            continue;
        }
        if (c == u'/' && i + 1 < n && script[i + 1] == u'*') { // block comment
            const qsizetype end = script.indexOf(QLatin1String("*/"), i + 2);
            i = end < 0 ? n : end + 1;
            current += u' ';
            continue;
        }
        if (c == u'\'' || c == u'"' || c == u'[') { // literal or quoted name, copied whole
            const QChar close = c == u'[' ? QChar(u']') : c;
            qsizetype j = i + 1;
            while (j < n) {
                if (script[j] == close) {
                    if (close != u']' && j + 1 < n && script[j + 1] == close) {
                        j += 2; // doubled quote inside the literal
                        continue;
                    }
                    break;
                }
                ++j;
            }
            current += script.mid(i, j - i + 1);
            i = j;
            continue;
        }
        if (c == u';') {
            flush();
            continue;
        }
        current += c;
    }
    flush();
    return statements;
}

void RunSqlScript(db::SqliteBackend& backend, const QString& script)
{
    for (const QString& statement : SplitSqlScript(script))
        backend.execute(statement, {});
}

} // namespace kelvo::schema
