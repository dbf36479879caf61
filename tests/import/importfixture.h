#pragma once

#include "clitestkit.h"
#include "importfiles.h"
#include "importrun.h"
#include "testhost.h"

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace importtest {

/// The declarant of the seed data, and a company and a person that may be its subjects.
inline const QString Declarant = QStringLiteral("20100123453");
inline const QString Company = QStringLiteral("20000000001");
inline const QString Person = QStringLiteral("10405060707");
inline const QString Periodo = QStringLiteral("200506");
inline const QString Rate = QStringLiteral("0.009901");

/// Fields of a line that every check accepts, for the kind and a period YYYYMM: a company, a
/// receipt dated the 15th of the period, a voucher of type 01 dated the 10th.
QStringList validFields(ImportKind kind, const QString& periodo);
/// Fields joined by "|", the last one followed by "|" too.
QString joinLine(const QStringList& fields);

/// Lines and their bytes as they sit in a file.
QByteArray crlfFile(const QStringList& lines);

/// The folder of the committed fixture files.
QString fixturePath(const QString& name);

/// A seeded installation with the voucher types and the rate installed, the declaration being
/// edited set in the session, the clock fixed at 30/06/2014 and a folder to import from.
class ImportHost {
public:
    ImportHost();
    ~ImportHost();
    ImportHost(const ImportHost&) = delete;
    ImportHost& operator=(const ImportHost&) = delete;

    /// Back to the state after construction: empty working tables and spool, no input, log,
    /// error or report files, the session's declaration as it was, no statement hook.
    void reset();

    TestHost& host() { return m_host; }
    HostDatabase& db() { return m_host.db(); }
    Session& session() { return m_host.session(); }
    QString folder() const { return m_folder.path(); }

    /// Path the kind's input file takes in the import folder.
    QString inputPath(ImportKind kind);
    /// Writes the kind's input file.
    void writeInput(ImportKind kind, const QByteArray& bytes);
    /// Copies a committed fixture file in as the kind's input file.
    void copyInput(ImportKind kind, const QString& fixture);
    ImportPaths paths(ImportKind kind);

    ImportRequest request();
    ImportResult run(ImportKind kind, const ImportProgressCallback& progress = {});

    int count(const QString& table);
    /// One column of a table's rows, in key order.
    QStringList column(const QString& table, const QString& name);

private:
    TestHost m_host;
    QTemporaryDir m_folder;
};

} // namespace importtest
