#pragma once

#include "importfiles.h"

#include <QString>
#include <functional>

class HostDatabase;
class HostUtilities;

/// What an import works on: the declaration being edited and the folder chosen for the file.
struct ImportRequest {
    QString folder; ///< empty when no folder has been chosen
    QString rutaReportes;
    QString formulario = QStringLiteral("0947");
    QString rucDeclarante;
    QString periodo;        ///< YYYYMM
    QString tasaPercepcion; ///< the rate of the period, "0" when none applies
};

/// Where a run stands, given before each line it loads.
struct ImportProgress {
    qint64 position = 0; ///< bytes of the file read
    qint64 size = 0;     ///< bytes of the file
    qint64 loaded = 0;
    qint64 refused = 0;
};
/// Answers false to stop the run before the next line.
using ImportProgressCallback = std::function<bool(const ImportProgress&)>;

enum class ImportStatus {
    Finished,             ///< every line was read
    Cancelled,            ///< stopped between lines on request
    NoFolder,             ///< no folder chosen
    FileNotFound,         ///< no input file of that name in the folder
    FileUnreadable,       ///< the input file exists but cannot be read
    WrongFieldCount,      ///< a line holds fewer separators than the kind has fields
    LineWithoutSeparator, ///< a line does not end with "|"
    LogFailed,            ///< a refused line could not be written to the log or error file
    DatabaseFailed,       ///< a database error other than a duplicate key
};

struct ImportResult {
    ImportStatus status = ImportStatus::Finished;
    ImportPaths paths;
    qint64 loaded = 0;
    qint64 refused = 0;
    int errorNumber = 0; ///< LogFailed, DatabaseFailed and FileUnreadable
    QString errorText;
};

/// One import of a detail file into the working tables: the separator count (`CuentaPye`) and
/// the line-end check over the whole file, then the load pass, which checks every line, commits
/// the accepted ones and logs the refused ones. Rows of accepted lines stay whatever ends the run.
class ImportRun {
public:
    ImportRun(HostDatabase& db, const HostUtilities& host, ImportRequest request);

    /// Imports receipts with payment vouchers.
    ImportResult Transferencia(const ImportProgressCallback& progress = {});
    /// Imports cash sales, whose payment voucher is the perception receipt.
    ImportResult Transferencia_VC(const ImportProgressCallback& progress = {});

private:
    ImportResult transfer(ImportKind kind, const ImportProgressCallback& progress);
    void load(ImportKind kind, bool utf8, ImportResult& result, const ImportProgressCallback& progress);

    HostDatabase& m_db;
    const HostUtilities& m_host;
    ImportRequest m_request;
};

/// Outcome of reading a whole file for its shape, before anything is loaded.
struct FileShape {
    ImportStatus status = ImportStatus::Finished; ///< WrongFieldCount, LineWithoutSeparator or FileUnreadable
    bool utf8 = true;                             ///< every line is valid UTF-8
};
/// Counts the separators of every line (at least `fields` each) and checks that every line ends
/// with "|" once trailing blanks are removed; a short line decides before a badly ended one.
FileShape CuentaPye(const QString& path, int fields);
