#pragma once

#include "save.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVariantList>

class HostDatabase;

// Rows the declaration tests build on: the module's parameter rows as the installer writes
// them, and the detail of a small declaration in the working tables.
namespace fixture {

inline const QString Declarante = QStringLiteral("20100123453");
inline const QString Empresa = QStringLiteral("20512345678");
inline const QString Persona = QStringLiteral("10456789012");

/// PARAM rows 968, 967, 981, 233 and 856 of the module.
void insertModuleParams(HostDatabase& db);
void insertParam(HostDatabase& db, const QString& numero, const QString& argumento, const QString& funcion,
                 const QString& correl = QStringLiteral(""));

/// The detail of a small declaration in the working tables: a company with one receipt whose
/// vouchers are an invoice and a credit note, and a person with one cash sale.
void fillWorkingTables(HostDatabase& db);

/// The declaration of that detail as the window passes it to be saved: perception 32, previous
/// payments 5, interest 1, paid in cash.
DeclarationForm sampleForm();

void addSubject(HostDatabase& db, const QString& table, const QVariantList& keyAndCorrel, const QString& ruc,
                const QStringList& names, const QString& base, const QString& perception);

/// The rows a query answers, each as its values joined with "|" (null as "<null>").
QStringList rows(HostDatabase& db, const QString& sql, const QVariantList& values = {});

} // namespace fixture
