#include "importrun.h"

#include "dberror.h"
#include "detailwriter.h"
#include "importlog.h"
#include "importvalidator.h"
#include "linereader.h"

#include <QByteArrayView>
#include <QFileInfo>

namespace {
constexpr int PermissionDenied = 70;

/// The input file could not be opened: gone since it was found, or not readable.
void cannotRead(ImportResult& result)
{
    if (!QFileInfo::exists(result.paths.input)) {
        result.status = ImportStatus::FileNotFound;
        return;
    }
    result.status = ImportStatus::FileUnreadable;
    result.errorNumber = PermissionDenied;
    result.errorText = QStringLiteral("Permiso denegado");
}

bool endsWithSeparator(const QByteArray& line)
{
    qsizetype end = line.size();
    while (end > 0 && line.at(end - 1) == ' ')
        --end;
    return end == 0 || line.at(end - 1) == '|';
}

bool hasSeparators(const QByteArray& line, int fields)
{
    int found = 0;
    for (char c : line)
        if (c == '|' && ++found >= fields)
            return true;
    return false;
}
} // namespace

FileShape CuentaPye(const QString& path, int fields)
{
    FileShape shape;
    LineReader reader;
    if (!reader.open(path)) {
        shape.status = ImportStatus::FileUnreadable;
        return shape;
    }
    bool badEnd = false;
    while (reader.next()) {
        const QByteArray& line = reader.bytes();
        if (!hasSeparators(line, fields)) {
            shape.status = ImportStatus::WrongFieldCount;
            return shape;
        }
        // A line too long to keep cannot be shown to end where a line should.
        if (reader.overlong() || !endsWithSeparator(line))
            badEnd = true;
        if (shape.utf8 && !QByteArrayView(line).isValidUtf8())
            shape.utf8 = false;
    }
    if (badEnd)
        shape.status = ImportStatus::LineWithoutSeparator;
    return shape;
}

ImportRun::ImportRun(HostDatabase& db, const HostUtilities& host, ImportRequest request)
    : m_db(db), m_host(host), m_request(std::move(request))
{
}

ImportResult ImportRun::Transferencia(const ImportProgressCallback& progress)
{
    return transfer(ImportKind::Receipts, progress);
}

ImportResult ImportRun::Transferencia_VC(const ImportProgressCallback& progress)
{
    return transfer(ImportKind::CashSales, progress);
}

ImportResult ImportRun::transfer(ImportKind kind, const ImportProgressCallback& progress)
{
    ImportResult result;
    const ImportRequest& r = m_request;
    result.paths =
        importPaths(r.folder, r.rutaReportes, importBaseName(r.formulario, r.rucDeclarante, r.periodo, kind));
    if (r.folder.trimmed().isEmpty()) {
        result.status = ImportStatus::NoFolder;
        return result;
    }
    const QString input = existingInputFile(result.paths.input);
    if (input.isEmpty()) {
        result.status = ImportStatus::FileNotFound;
        return result;
    }
    result.paths.input = input;
    const FileShape shape = CuentaPye(input, fieldCount(kind));
    if (shape.status == ImportStatus::FileUnreadable) {
        cannotRead(result);
        return result;
    }
    if (shape.status != ImportStatus::Finished) {
        result.status = shape.status;
        return result;
    }
    load(kind, shape.utf8, result, progress);
    return result;
}

void ImportRun::load(ImportKind kind, bool utf8, ImportResult& result, const ImportProgressCallback& progress)
{
    LineReader reader;
    if (!reader.open(result.paths.input)) {
        cannotRead(result);
        return;
    }
    const FileEncoding encoding = utf8 ? FileEncoding::Utf8 : FileEncoding::Windows1252;
    ImportValidator validator(m_db, m_host, m_request.rucDeclarante, m_request.periodo);
    ImportLog log(m_db, m_host, result.paths.log, result.paths.error);
    DetailWriter writer(m_db, kind, m_request.tasaPercepcion);
    ImportProgress at;
    at.size = reader.size();
    try {
        while (!reader.atEnd()) {
            at.position = reader.position();
            if (progress && !progress(at)) {
                result.status = ImportStatus::Cancelled;
                break;
            }
            reader.next();
            const QString line = decodeLine(reader.bytes(), encoding);
            const LineCheck check = validator.checkLine(line, kind);
            if (check.accepted) {
                const QString refusal = writer.commit(check);
                if (refusal.isEmpty()) {
                    ++at.loaded;
                    continue;
                }
                validator.setErrorCode(refusal);
            }
            ++at.refused;
            if (!log.GraboLog(reader.bytes(), errorKey(line), validator.errorCode())) {
                result.status = ImportStatus::LogFailed;
                break;
            }
        }
        writer.finish();
    } catch (const DbError& e) {
        result.status = ImportStatus::DatabaseFailed;
        result.errorNumber = e.number();
        result.errorText = e.text();
        try {
            // What the accepted lines wrote so far stays.
            writer.finish();
        } catch (const DbError&) {
            // The engine has already undone the batch; the first error is the one to report.
        }
    }
    if (!log.close() && result.status == ImportStatus::Finished)
        result.status = ImportStatus::LogFailed;
    if (result.status == ImportStatus::LogFailed) {
        result.errorNumber = log.failure().number;
        result.errorText = log.failure().text;
    }
    result.loaded = at.loaded;
    result.refused = at.refused;
}
