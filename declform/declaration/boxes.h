#pragma once

#include <QList>
#include <QString>
#include <optional>

// The amount boxes of the form and their arithmetic. Boxes hold whole currency units as the
// window shows them ("1,234"; box 402, previous payments, in parentheses: "(1,234)").

/// The six amount boxes in the order the form lists and stores them (Casillas).
inline const QList<int> Casillas = {401, 402, 403, 404, 405, 410};
/// Boxes the user types; the others are computed.
inline const QList<int> CasillasEditables = {402, 404, 410};

/// The caption of an amount box on the form.
QString descripcionCasilla(int box);

/// The number a box text stands for: "1,234" is 1234, "(1,234)" is -1234, empty or any
/// other text is 0.
double valorCasilla(const QString& text);

/// Calcular403, perception to pay: 401 less the absolute value of 402, never below "0";
/// empty when 401 and 402 are both empty.
QString Calcular403(const QString& box401, const QString& box402);
/// Calcular405, total debt: 403 plus 404, never below "0"; empty when both are empty.
QString Calcular405(const QString& box403, const QString& box404);
/// CalcularTotal: the payment panel's amount for box 410, never below "0"; empty when 410 is.
QString CalcularTotal(const QString& box410);

/// The text an editable box shows while it has the focus: plain digits (402 without its
/// parentheses and sign).
QString textoAlEntrar(int box, const QString& text);
/// The text it shows once the focus leaves: grouped ("1,234"), 402 in parentheses.
QString textoAlSalir(int box, const QString& text);
/// The longest text a box accepts with and without the focus.
int largoAlEntrar();
int largoAlSalir(int box);

/// What MuestraCasilla does with one stored box value.
struct BoxDisplay {
    enum Kind {
        Ignored,   ///< stored only, nothing on the form shows it
        Amount,    ///< the amount box `box` shows `text`
        Modalidad, ///< selects the modality whose number is `text`
        Rectifica, ///< the rectification indicator
        FormaPago, ///< the payment panel's form of payment ("E" or "C")
    };
    Kind kind = Ignored;
    QString text;
};
BoxDisplay MuestraCasilla(int box, const QString& value);

/// The DET.i_valor of a box value (GrabaCasilla): the texts of the identification and
/// version boxes unchanged, every other value as a whole number without separators.
QString valorAlmacenado(int box, const QString& value);

/// The notice of an amount to pay that differs from the total debt (box 410 against 405), or
/// nothing when they agree or one of them is missing.
std::optional<QString> avisoImporte(const QString& box405, const QString& box410);
