#pragma once

#include "declarationkey.h"

#include <QDate>
#include <QString>

class HostDatabase;

inline const QString PeriodoNoValido = QStringLiteral("El período no es válido.");
inline const QString DeclaracionYaRegistrada = QStringLiteral("La declaración ya ha sido registrada.");
/// The first period the form can be declared for.
inline const QString PrimerPeriodo = QStringLiteral("200210");
/// The period field's mask: month, "/", year; "_" marks a position not typed yet.
inline const QString PeriodoMask = QStringLiteral("99/9999;_");
inline const QString PeriodoVacio = QStringLiteral("__/____");

enum class PeriodCheck {
    Incomplete, ///< the field still shows a prompt character: not an error yet
    Invalid,    ///< before "200210", after the current month, or a month outside 1 to 12
    Valid,
};

/// ValidaPeriodo: the period typed as "MM/YYYY" against the first period and `today`'s month.
PeriodCheck ValidaPeriodo(const QString& periodText, const QDate& today);

/// A pending (saved, not sent) declaration of the declarant, period and form exists in CAB.
/// Sent declarations (HCAB) do not count.
bool declaracionRegistrada(HostDatabase& db, const DeclarationKey& key);
