#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class HostDatabase;
struct Session;

// The drop-down lists of the declaration header and of the payment panel. Their items are
// fixed-position texts: the rules read the chosen values back from given character positions.

/// CargaContribuyentes: one item per declarant the user may work on: the RUC (first 11
/// characters of doc_id_d, trimmed), 7 blanks, the name, 10 blanks.
QStringList CargaContribuyentes(HostDatabase& db, const Session& session);
/// The RUC of a declarant item: its first 11 characters, trimmed.
QString rucDeItem(const QString& item);
/// The name of a declarant item: its characters 16 to 65, trimmed.
QString razonDeItem(const QString& item);

/// CargaModalidad: one item per modality of PARAM 967: the name (characters 1 to 40 of
/// Funcion), 50 blanks, the modality code (character 41), 50 blanks, the modality number.
QStringList CargaModalidad(HostDatabase& db);
/// The modality code of a modality item: its character 91 (empty when there is none).
QString codigoModalidad(const QString& item);
/// The modality number of a modality item: its last two characters.
QString numeroModalidad(const QString& item);

struct Bank {
    QString code; ///< two characters
    QString name;
};
/// The banks of PARAM 004 ordered by code; the row "00" is not a bank.
QList<Bank> bancos(HostDatabase& db);
