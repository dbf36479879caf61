#include "subjectrules.h"

#include "hostutilities.h"
#include "subjectstore.h"

std::optional<SubjectFailure> checkSubjectIdentity(const SubjectIdentity& subject,
                                                   const QString& rucDeclarante, bool withNames,
                                                   const HostUtilities& host)
{
    if (subject.ruc.size() != 11 || !host.ValidaRuc(subject.ruc.trimmed()))
        return SubjectFailure{RucNotValid, SubjectField::Ruc};
    if (subject.ruc == rucDeclarante)
        return SubjectFailure{RucIsDeclarant, SubjectField::Ruc};
    if (!withNames)
        return std::nullopt;
    if (isCompany(subject.ruc)) {
        if (subject.nombres.trimmed().isEmpty())
            return SubjectFailure{QStringLiteral("Ingrese la Razón Social."), SubjectField::Nombres};
        return std::nullopt;
    }
    if (subject.apePat.trimmed().isEmpty())
        return SubjectFailure{QStringLiteral("Ingrese el apellido paterno."), SubjectField::ApePat};
    if (subject.apeMat.trimmed().isEmpty())
        return SubjectFailure{QStringLiteral("Ingrese el apellido materno."), SubjectField::ApeMat};
    if (subject.nombres.trimmed().isEmpty())
        return SubjectFailure{QStringLiteral("Ingrese los nombres."), SubjectField::Nombres};
    return std::nullopt;
}

QStringList rucWarnings(HostDatabase& db, const QString& ruc, const QString& rucDeclarante, bool newSubject,
                        const HostUtilities& host)
{
    QStringList warnings;
    if (!host.ValidaRuc(ruc.trimmed()))
        warnings.append(RucNotValid);
    if (ruc == rucDeclarante)
        warnings.append(RucIsDeclarant);
    if (newSubject && subjectExists(db, ruc))
        warnings.append(RucAlreadyEntered);
    return warnings;
}

int nameKey(int key, const HostUtilities& host)
{
    const int code = host.TransformaCaracter(key);
    const bool accepted = code == ' ' || (code >= 'A' && code <= 'Z') || (code >= 'a' && code <= 'z') ||
                          (code >= '0' && code <= '9') || code == HostUtilities::KeyBackspace;
    return accepted ? code : 0;
}
