#pragma once

#include "messages.h"

#include <QHash>
#include <QString>
#include <QVariant>
#include <functional>
#include <stdexcept>

class ReportWriter;

/// Report kinds the driver runs.
namespace reportkind {
inline constexpr int Declaration = 2;  ///< declaration report
inline constexpr int ImportErrors = 3; ///< import error report
inline constexpr int Annexes = 4;      ///< annexes report of a declaration
} // namespace reportkind

/// Error numbers the driver has its own messages for.
namespace reporterror {
inline constexpr int UnknownKind = 5;   ///< no writer registered for the kind
inline constexpr int FileAccess = 75;   ///< the report file could not be written
inline constexpr int NoData = 380;      ///< nothing to print
inline constexpr int NoPrinter = 482;   ///< no printer, or the printer failed
inline constexpr int Cancelled = 20545; ///< the user cancelled the printing
inline constexpr int Internal = 51;     ///< any other failure
} // namespace reporterror

/// Thrown by a report writer to end its run with one of the driver's error numbers
/// (reporterror::NoData when there is nothing to report).
class ReportRunError : public std::runtime_error {
public:
    explicit ReportRunError(int number, const QString& description = {})
        : std::runtime_error(description.toStdString()), m_number(number)
    {
    }
    int number() const { return m_number; }
    QString description() const { return QString::fromUtf8(what()); }

private:
    int m_number;
};

/// The message box for a report or printing failure.
Message reportFailureMessage(int number, const QString& description);

/// Writes one kind of report into the open report file and answers the number of pages written.
/// It gets the parameter its caller handed to ImprimeReporte; it throws to end the run.
using ReportKindWriter = std::function<int(ReportWriter& writer, const QVariant& parameter)>;

/// The report kinds of the program and their writers. main registers each subsystem's writer
/// once; the windows that produce reports run them through ImprimeReporte.
class ReportKinds {
public:
    /// Registers the writer of a kind; a second registration of the same kind replaces it.
    void add(int kind, ReportKindWriter writer) { m_writers.insert(kind, std::move(writer)); }
    const ReportKindWriter* find(int kind) const;

private:
    QHash<int, ReportKindWriter> m_writers;
};

/// The outcome of a report run.
struct ReportRun {
    bool ok = false;
    int pages = 0; ///< pages the writer wrote, at least 1 when ok
};

/// Runs the writer registered for `kind` into the report file `path` (created or emptied, with
/// the report settings: width 104 characters). The hourglass shows while it runs. A failure is
/// shown as its message box and answered as not ok; the file is closed in every case.
ReportRun ImprimeReporte(const ReportKinds& kinds, Messages& messages, int kind, const QString& path,
                         const QVariant& parameter = {});
