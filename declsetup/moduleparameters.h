#pragma once

#include "sendingdirectory.h"

#include <QList>
#include <QString>

class StatementRunner;

/// One PARAM row of the module.
struct ParameterRow {
    QString numero;
    QString argumento;
    QString funcion;
    QString correlParam;
};

/// One report of the module in the integrator's report catalogue.
struct ReportRow {
    QString codigo;
    QString titulo;
    int flag = 1;
};

/// The module's PARAM rows in the order they are written: the perception rate (968), the
/// modalities (967), the registry of the module tables (996), the form's rate table (981),
/// the payment-voucher types (233), the version (856) and the integrator's flag (992).
QList<ParameterRow> moduleParameterRows();
/// The module's four reports, PER001 to PER004.
const QList<ReportRow>& moduleReports();

/// Writes one PARAM row: updates Funcion and Correl_Param of the row with that Numero and
/// Argumento, or inserts it.
void GrabaParametro(StatementRunner& runner, const ParameterRow& row);

/// The installer's parameter step: drops the superseded rate row, writes the module's PARAM
/// rows, registers the reports (one row per code, however often it runs) and writes the
/// sending directory.
void writeModuleParameters(StatementRunner& runner, const QList<SendingRecord>& sending);
