#pragma once

#include "detailrows.h"
#include "money.h"

#include <QList>
#include <QString>
#include <optional>

class HostDatabase;

// The subjects of perception of the declaration being edited (working table TMPF947PCAB) and
// what the subject window does with their receipts.

/// A subject whose RUC starts with "20" is a company; any other is a person.
bool isCompany(const QString& ruc);
/// A person's name as des_razon holds it: surnames and given names joined with blanks, cut to 40.
QString personRazon(const QString& apePat, const QString& apeMat, const QString& nombres);

/// What the subject window stores for a subject.
struct SubjectEntry {
    QString ruc;
    QString nombres; ///< business name of a company, given names of a person
    QString apePat;
    QString apeMat;
    int receipts = 0;
    QString totalBase;       ///< as the window holds it, "##############0.#0"
    QString totalPerception; ///< as the window shows it, "###,###,###,##0.#0"
};

bool subjectExists(HostDatabase& db, const QString& ruc);
/// Adds a new subject with its names and totals, unless its RUC is already there.
SaveOutcome addSubject(HostDatabase& db, const SubjectEntry& subject);
/// Rewrites a subject's names and totals (adds the row when it has gone).
void rewriteSubject(HostDatabase& db, const SubjectEntry& subject);
/// Rewrites only the count and totals of a subject that is there.
void rewriteSubjectTotals(HostDatabase& db, const SubjectEntry& subject);
/// Removes a subject's row.
void deleteSubject(HostDatabase& db, const QString& ruc);
/// Removes the receipts and vouchers entered for a subject that was never stored.
void discardSubjectDetail(HostDatabase& db, const QString& ruc);

/// The subject's receipts, both kinds, in key order.
QList<ReceiptRow> subjectReceipts(HostDatabase& db, const QString& ruc);

/// Sums of a subject's receipts; empty when no receipt has an amount.
struct SubjectTotals {
    std::optional<Money> base;
    std::optional<Money> perception;
};
SubjectTotals subjectTotals(HostDatabase& db, const QString& ruc);
/// A total as the subject window holds it: a negative sum shows as zero, no sum as "".
QString totalText(const std::optional<Money>& total, const QString& pattern);
inline const QString TotalBasePattern = QStringLiteral("##############0.#0");
inline const QString TotalPerceptionPattern = QStringLiteral("###,###,###,##0.#0");
