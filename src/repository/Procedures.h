#pragma once

#include <QList>
#include <QString>

namespace kelvo::db {
class Connection;
}

// The host database's stored procedures as its catalogue lists them.
namespace kelvo::repository {

struct ProcedureParameterInfo {
    QString name, type;
    int length = 0;
    bool isOutput = false;
};

// Whether the catalogue has a procedure of this name (matched literally).
bool ProcedureExists(db::Connection& db, const QString& name);
// Its parameters in declaration order.
QList<ProcedureParameterInfo> ProcedureParameters(db::Connection& db, const QString& name);
// How the procedure is called: its name, a space, and "name type[ OUTPUT]"
// per parameter, separated by ", ".
QString ProcedureSignature(const QString& procedure, const QList<ProcedureParameterInfo>& parameters);

namespace statements {
// Bound: the name's like literal.
QString ProcedureExists();
QString ProcedureParameters();
} // namespace statements

} // namespace kelvo::repository
