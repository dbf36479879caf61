#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class HostDatabase;
class HostUtilities;

// The checks of a subject of perception's identity: a valid RUC other than the declarant's,
// and a business name for a company or both surnames and given names for a person.

/// The field a failed identity check gives the focus to.
enum class SubjectField { Ruc, ApePat, ApeMat, Nombres };

struct SubjectFailure {
    QString message;
    SubjectField focus = SubjectField::Ruc;
};

/// What the subject window has typed.
struct SubjectIdentity {
    QString ruc;
    QString apePat;
    QString apeMat;
    QString nombres; ///< business name of a company, given names of a person
};

/// The identity check, stopping at the first failure; `withNames` false checks only the RUC.
std::optional<SubjectFailure> checkSubjectIdentity(const SubjectIdentity& subject,
                                                   const QString& rucDeclarante, bool withNames,
                                                   const HostUtilities& host);
/// The messages of a RUC typed to its 11th digit, every failing one: not valid, the
/// declarant's own, and (for a new subject) already entered.
QStringList rucWarnings(HostDatabase& db, const QString& ruc, const QString& rucDeclarante, bool newSubject,
                        const HostUtilities& host);

/// The key a name field takes: the integrator's transformation of the typed one when it is a
/// blank, a letter A to Z, a digit or Backspace; 0 otherwise.
int nameKey(int key, const HostUtilities& host);

inline const QString RucNotValid = QStringLiteral("El RUC no es Válido.");
inline const QString RucIsDeclarant = QStringLiteral("El RUC no puede ser igual al del declarante.");
inline const QString RucAlreadyEntered = QStringLiteral("El RUC del agente de percepción ya se registró.");
