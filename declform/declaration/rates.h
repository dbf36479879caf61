#pragma once

#include <QString>
#include <QStringList>

class HostDatabase;

/// The month (YYYYMM) from which each rate row applies, in order, closed by the end marker
/// "99991231": the rate rows of PARAM 968 are keyed "010909", the modality code and the date
/// the rate starts (YYYYMMDD).
QStringList inicioVigencia(HostDatabase& db, const QString& modalityCode);

/// Index of the start that opens the interval holding `periodKey`, or -1 when the period lies
/// before the first start.
int vigenciaDelPeriodo(const QStringList& starts, const QString& periodKey);

/// BuscaTasa: the perception rate of the modality for the period, "0" when no rate row applies.
/// From "200504" the rate is read with six decimals (characters 21 to 29 of Funcion), before it
/// with four (characters 2 to 7).
QString BuscaTasa(HostDatabase& db, const QString& modalityCode, const QString& periodKey);
