#pragma once

#include "declarationkey.h"
#include "money.h"

#include <QList>
#include <QString>

class HostDatabase;

// The working tables TMPF947PCAB (subjects), TMPF947PDET (receipts and cash sales) and
// TMPF947PDETCP (payment vouchers) hold the one declaration being edited.

/// Empties the working tables and fills them with the detail of a stored declaration: from the
/// module tables for a saved one, from the history tables of its sending for a sent one. A
/// declaration without RUC or period (a new one) leaves them empty. All or nothing: when the
/// copy fails the tables are left empty and the error is thrown.
void cargaTablasTrabajo(HostDatabase& db, const StoredDeclaration& declaration);

/// One subject as the declaration window lists it.
struct SubjectRow {
    QString numDocPer;
    QString desRazon;
    QString mtoBaseP;
    QString mtoImpP;
    QString desApellidoP;
    QString desApellidoM;
    QString desNombres;
};
/// The subjects of the working tables.
QList<SubjectRow> listaSujetos(HostDatabase& db);

/// Totals of the subjects as the form shows them (whole units, grouped, empty for zero).
struct DetailTotals {
    QString base;       ///< TxtBase, total amount charged
    QString percepcion; ///< TxtPercepcion, total perception
};
/// The totals as the subject list computes them: each amount rounded to two decimals, then
/// summed exactly.
DetailTotals totalesDetalle(HostDatabase& db);
/// The totals as a freshly opened declaration shows them: the leading number of each amount,
/// summed; "0" when there are subjects whose amounts sum to nothing.
DetailTotals totalesAlAbrir(HostDatabase& db);

/// CuentaDocs: the number of receipts (of both kinds) of a subject in the working tables.
int CuentaDocs(HostDatabase& db, const QString& numDocPer);

/// Deletes a subject with its receipts and their payment vouchers from the working tables.
void eliminaSujeto(HostDatabase& db, const QString& numDocPer);

/// Get_Data: the count of one module table's rows of a declaration and the sums of their
/// amounts (mto_base_p and mto_imp_p; mto_detcp and nothing for F947PDETCP).
struct TableSums {
    long long count = 0;
    Money base;
    Money retencion;
};
TableSums Get_Data(HostDatabase& db, const QString& table, const DeclarationKey& key);
