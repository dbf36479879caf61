#pragma once

#include "declarationkey.h"
#include "declarationlist.h"

#include <QList>
#include <QMap>
#include <QMetaType>
#include <QString>

class HostDatabase;
struct Session;

/// The declaration the print dialog hands to the report writers: which one it is, what its
/// list row says about it, its boxes and its payment data.
struct PrintedDeclaration {
    StoredDeclaration declaration;     ///< key, saved or sent, and the sending's correl
    QString nombre;                    ///< the declarant's name
    QString numeroOrden;               ///< sent: norden; empty for a saved declaration
    QString numeroControl;             ///< sent: control
    QMap<int, QString> casillas;       ///< box values as stored, by box number
    QString banco;                     ///< bcolibrad
    QString numeroCheque;              ///< nrocheque
    QString cheque;                    ///< amount paid by cheque
    QString efectivo;                  ///< amount paid in cash
    QMap<int, QString> tiposDocumento; ///< short names of the identity document types

    /// The value of a box, empty when the declaration has none.
    QString casilla(int box) const { return casillas.value(box); }
};
Q_DECLARE_METATYPE(PrintedDeclaration)

/// The declaration of a list row: key, name, and for a sent one its sending, order number and
/// control number. Boxes and payment data are left for CargarCasillas.
PrintedDeclaration printedDeclarationOf(const DeclarationRow& row, bool enviada);

/// CargarCasillas: the boxes of the declaration (DET, or HDET of its sending) that the reports
/// read, boxes 1 to 750 and 861 to 999 without 721, 722 and 790, and the payment data of its
/// header row (CAB or HCAB). Whatever an earlier declaration held is replaced: a column that
/// is null reads as empty. Throws DbError.
void CargarCasillas(HostDatabase& db, PrintedDeclaration& printed);

/// The short names of the identity document types in use (PARAM 044 rows with "1" at position
/// 75 of Funcion): ten characters from position 32, by the type's number. Throws DbError.
QMap<int, QString> CargaTiposDocumento(HostDatabase& db);

/// The declarations the print dialog lists, of the session's form and the declarants the user
/// may see: saved ones by RUC and newest period first, or the sendings whose state is 1 by RUC.
/// Throws DbError.
QList<DeclarationRow> declaracionesImprimibles(HostDatabase& db, const Session& session, bool enviadas);
