#pragma once

#include <QString>

class HostDatabase;
struct Session;
struct SubmissionArgs;

/// The files a summary run leaves.
struct SummaryFiles {
    QString report;    ///< the markup report registered in SPOOL, in RPT
    QString plain;     ///< the plain summary, RPT/<base>.PRN
    QString text;      ///< its text copy, RPT/<base>.txt
    QString delivered; ///< the copy the integrator takes, TMP/<base>.TXT
    QString trace;     ///< Trace.txt, where the statement selecting the declaration is logged
};

struct SummaryOutcome {
    bool declarationFound = false;
    SummaryFiles files;
};

/// Base name of the plain summary: form, period, tag and control number.
QString summaryBaseName(const SubmissionArgs& args);

/// Writes the submission summary of the declaration the command line names: registers the
/// markup report in SPOOL under PER004 and writes it, writes the plain summary and its text copy
/// in RPT and delivers the copy to TMP. A declaration that does not exist still gets its spool
/// entry and the files, all empty. Throws DbError, ReportError, FileError, ConversionError.
SummaryOutcome runSubmissionSummary(const Session& session, HostDatabase& db, const SubmissionArgs& args);
