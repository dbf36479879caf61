#pragma once

#include "declarationkey.h"

#include <QDate>
#include <QList>
#include <QString>
#include <optional>

class HostDatabase;

// The detail of a stored declaration as the declaration and annexes reports read it, and the
// parameter descriptions they print. Every reader throws DbError.

/// A subject of perception.
struct ReportSubject {
    int tipDocPer = 6;
    QString numDocPer;
    QString nombre; ///< as the reports print it (nombreSujeto)
    QString mtoBaseP;
    QString mtoImpP;
};

/// A perception receipt or a cash sale. A receipt has no type; a cash sale has its voucher type.
struct ReportReceipt {
    QString serie;
    QString numero;
    QString tipo;
    QDate fecha;
    std::optional<QString> mtoBaseP; ///< nothing when the column is null
    std::optional<QString> mtoImpP;
};

/// A payment voucher behind a receipt.
struct ReportVoucher {
    QString tipo;
    QString serie;
    QString numero;
    QDate fecha;
    QString monto;
};

/// A payment-voucher type in use: its code and the first 35 characters of its description.
struct VoucherType {
    QString codigo;
    QString descrip;
};

/// The subjects of the declaration by document number.
QList<ReportSubject> sujetosDeclaracion(HostDatabase& db, const StoredDeclaration& declaration);
/// The perception receipts of a subject, by series and number.
QList<ReportReceipt> recibosSujeto(HostDatabase& db, const StoredDeclaration& declaration,
                                   const ReportSubject& subject);
/// The cash sales of a subject, by series, number and type.
QList<ReportReceipt> ventasContadoSujeto(HostDatabase& db, const StoredDeclaration& declaration,
                                         const ReportSubject& subject);
/// The payment vouchers behind a receipt, by type, series and number.
QList<ReportVoucher> comprobantesRecibo(HostDatabase& db, const StoredDeclaration& declaration,
                                        const ReportSubject& subject, const ReportReceipt& receipt);
/// CuentaRecibos: the number of perception receipts of the declaration (cash sales not counted).
int CuentaRecibos(HostDatabase& db, const StoredDeclaration& declaration);

/// The payment-voucher types in use (PARAM 233 rows with "1" at position 64), by code.
QList<VoucherType> tiposComprobanteEnUso(HostDatabase& db);
/// The name of a modality (PARAM 967), or one blank when the code has none.
QString DescripcionModalidad(HostDatabase& db, const QString& code);
/// The name of a bank (PARAM 004), or empty when the code has none.
QString DescripcionBanco(HostDatabase& db, const QString& code);

/// A subject's name as the reports print it, at most 45 characters: the business name, or for a
/// person (no business name) "surname surname,names".
QString nombreSujeto(const QString& razon, const QString& apellidoP, const QString& apellidoM,
                     const QString& nombres);

/// AlineaDerecha: blanks in front of the text up to `width`; a longer text comes back unchanged.
QString AlineaDerecha(const QString& text, int width);
