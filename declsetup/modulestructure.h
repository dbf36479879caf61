#pragma once

#include <QStringList>

class HostDatabase;
class StatementRunner;

/// The installer's structure step: drops the working detail table TMPF947PDET so it is
/// created afresh, then creates each module table that is missing, in the order of
/// moduleTables(), with its primary key PK_<table>.
void installModuleTables(StatementRunner& runner);

/// What keeps the module tables from serving the module: a table that is missing, or a column
/// of its definition that the table lacks. Empty when every table has its columns.
QStringList moduleTableProblems(HostDatabase& db);

namespace installertext {
QString wrongStructure(const QStringList& problems);
} // namespace installertext
