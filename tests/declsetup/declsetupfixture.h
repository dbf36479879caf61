#pragma once

#include <QMap>
#include <QString>
#include <QStringList>
#include <QVariant>

class HostDatabase;
class TestHost;

namespace declsetuptest {

/// The declarant of the seeded declarations.
inline const QString Ruc = QStringLiteral("20100123453");

/// Every row of a table as text ("NULL" for a null, text values quoted), sorted, so two reads
/// compare equal exactly when the table holds the same rows.
QStringList tableRows(HostDatabase& db, const QString& table);
/// Each table's definition and rows, by table name.
QMap<QString, QStringList> databaseDump(HostDatabase& db);
/// The tables a saved declaration lives in.
QMap<QString, QStringList> declarationDump(HostDatabase& db);

/// The module's PARAM rows (tables 968, 967, 996, 981, 233, 856 and 992) in the order they were
/// written, as "Numero|Argumento|Funcion|Correl_Param|storage class of Correl_Param", so an
/// empty text and a null tell apart.
QStringList moduleParams(HostDatabase& db);

/// A saved declaration of `period` with its header, boxes (401, 402, 410, 502, 503 and, unless
/// `version` is null, 721) and, when `withDetail`, three subjects: one with two receipts and a
/// cash sale, one with a cash sale only, one with a receipt only. Stored perceptions are at an
/// earlier rate.
void seedDeclaration(HostDatabase& db, const QString& period, const QVariant& version, bool withDetail);

/// The rows of a table whose integrity code does not match their content.
QStringList staleIntegrityCodes(HostDatabase& db, const QString& table);

/// Runs the built declsetup program on the fixture's installation; answers its exit status and
/// what it wrote to stderr.
int runProgram(const TestHost& host, QString* errors = nullptr);

} // namespace declsetuptest
