#pragma once

#include "hostdatabase.h"
#include "session.h"

#include <QString>
#include <QVariantList>

class HostUtilities;

/// A statement with its values, for the callers that run or bind a list themselves.
struct BoundQuery {
    QString sql;
    QVariantList values;
};

/// The user's type from CLAVES ("1" when the user is not there). A user of type "0" sees every
/// declarant; any other type only his own.
QString TipoUsuario(HostDatabase& db, const QString& usuario);
/// The text of a four-digit error code from ERROR, or an empty text.
QString DescripcionError(HostDatabase& db, int code);
/// Checks a document number against its type's row of PARAM 044: length (exact or maximum) and
/// content (digits only, or letters and digits).
bool ValidaDocumento(HostDatabase& db, const HostUtilities& host, const QString& type, const QString& number);
/// The declarants the user may work on, from CONT, ordered by document.
BoundQuery ConsultaDeclarantes(HostDatabase& db, const Session& session);
/// Adds `step` to `counter` and answers the new value as text.
QString Incrementa(int& counter, int step);

/// The RUC row of PARAM 044 used when the table has none.
inline const QString DefaultRucParam =
    QStringLiteral("REG. UNICO DE CONTRIBUYENTES   RUC           11 000110 01 000001000001100111011111       "
                   "                                    0 5 0");
