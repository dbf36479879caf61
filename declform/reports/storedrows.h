#pragma once

#include "declarationkey.h"

#include <QSqlQuery>
#include <QString>
#include <QVariantList>

class HostDatabase;

/// Runs "SELECT `columns` FROM" one table of a stored declaration: `table` itself for a saved
/// declaration, its history copy "H" + `table` restricted to the sending's correl for a sent
/// one. `extra` adds conditions (" AND ...") with their values, `order` an ORDER BY list.
/// Throws DbError.
QSqlQuery runStoredRows(HostDatabase& db, const StoredDeclaration& declaration, const QString& table,
                        const QString& columns, const QString& extra = {},
                        const QVariantList& extraValues = {}, const QString& order = {});
