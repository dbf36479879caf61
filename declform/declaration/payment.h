#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

/// What the payment panel holds.
struct PaymentData {
    QString formapago; ///< "E" cash, "C" cheque, "X" none chosen
    QString banco;     ///< bank code; "" or "XX" when none is chosen
    QString numeroCheque;
    QString importe; ///< box 410 as the panel shows it
};

/// The lines of the inconsistency list ("Mens.txt") for the amount boxes (texts by box
/// number) and the payment, in the order the list gives them. A declaration is saved with its
/// payment data incomplete (PagoIncompleto) exactly when there is at least one line.
QStringList inconsistencias(const QMap<int, QString>& boxes, const PaymentData& payment);

/// Writes the inconsistency list in Windows-1252, one line each; false with the reason when
/// the file cannot be written.
bool escribeMensajes(const QString& path, const QStringList& lines, QString* error);
