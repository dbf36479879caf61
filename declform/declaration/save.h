#pragma once

#include "declarationkey.h"
#include "payment.h"

#include <QDate>
#include <QMap>
#include <QString>

class HostDatabase;

inline const QString RucDeOcho = QStringLiteral("No puede grabar declaraciones con RUC de 8, modifique el "
                                                "RUC de 8 a 11 en el Modulo de Registro de Declarantes.");
/// Error codes of the closing message: saved, and saved with the payment data incomplete.
inline constexpr int DeclaracionGrabada = 151;
inline constexpr int DeclaracionGrabadaPagoIncompleto = 152;

/// A declaration as the declaration window holds it when it is saved: the texts it shows.
struct DeclarationForm {
    DeclarationKey key;
    QMap<int, QString> amounts; ///< boxes 401, 402, 403, 404, 405 and 410 as shown
    PaymentData payment;
    QString rectifica;       ///< "1" rectifies, "0" does not, "" not answered
    QString modalidad;       ///< modality number (box 500)
    QString numeroSujetos;   ///< number of subjects last shown under the list (box 501)
    QString totalBase;       ///< total amount charged as shown (box 502)
    QString totalPercepcion; ///< total perception as shown (box 503)
    QString tasaPercepcion;  ///< rate of the ordinary receipts
};

struct SaveResult {
    bool pagoIncompleto = false; ///< stored with estado 9
};

/// Saves a pending declaration in one transaction: the header (CAB), its boxes (DET) and the
/// detail of the working tables in the module tables, replacing what was stored for the
/// declarant, period and form. A failure throws DbError and leaves the stored declaration as
/// it was.
SaveResult GrabaDeclaracion(HostDatabase& db, const DeclarationForm& form, const QDate& today);

/// Box 722: the checksum of the parameter tables the form names in PARAM 981, each table number
/// times the sum of its rows' correlatives.
QString sumaParametros(HostDatabase& db, const QString& formulario);

/// Registers the order number of a sent declaration's sending in HCAB. Answers false when the
/// sending is not there.
bool registraNumeroOrden(HostDatabase& db, const StoredDeclaration& declaration, const QString& orden);
