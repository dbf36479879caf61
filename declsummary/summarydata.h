#pragma once

#include "lookups.h"

#include <QString>
#include <optional>

class HostDatabase;
struct SubmissionArgs;

/// What the submission summary shows of one saved declaration, as the texts it prints.
struct SummaryData {
    enum class Payment { None, Cash, Cheque };

    QString documentShortName; ///< "RUC", ... from PARAM 044
    QString documentNumber;
    QString declarantName; ///< CONT.Nombre
    QString form;
    QString period; ///< "MM/YYYY", or "YYYY" for an annual period
    Payment payment = Payment::None;
    QString amount; ///< the amount paid, with thousands separators
    QString bankCode;
    QString bankName;
    QString chequeNumber;
    bool rectification = false;
    QString box405; ///< with separators, right-aligned in 15 characters
    QString box410;
};

/// The statement that selects the declaration's header in CAB.
BoundQuery declarationHeaderQuery(const SubmissionArgs& args);
/// Reads the declaration through `header` (see declarationHeaderQuery) and the rows it refers
/// to; nullopt when CAB has no such declaration. Throws DbError.
std::optional<SummaryData> readSummaryData(HostDatabase& db, const SubmissionArgs& args,
                                           const BoundQuery& header);
