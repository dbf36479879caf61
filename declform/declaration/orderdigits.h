#pragma once

#include <QString>

// The order number VALDEX gives a sent declaration is protected by two check digits: one over
// the declaration's control number, one over the control number followed by the order number.

/// DigitoControl: trims `digits` and cuts it to its first 17 characters (in place), and
/// answers it followed by its modulus 11 check digit; "" for an empty text.
QString DigitoControl(QString& digits);
/// DigitosOrden: the two check digits of an order number.
QString DigitosOrden(const QString& control, const QString& orden);
/// VerificaOrden: the digits typed are exactly the order number's check digits.
bool VerificaOrden(const QString& control, const QString& orden, const QString& digits);

enum class OrderNumberCheck {
    Valid,
    TooShort,    ///< fewer than 8 characters
    WrongDigits, ///< the check digits do not match
};
/// The checks an order number passes before it is registered.
OrderNumberCheck revisaNumeroOrden(const QString& control, const QString& orden, const QString& digits);
