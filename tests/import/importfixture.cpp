#include "importfixture.h"

#include "clock.h"
#include "hostdatabase.h"
#include "moduleparameters.h"
#include "statementrunner.h"
#include "tabledefs.h"

#include <QDir>
#include <QFile>
#include <QSqlQuery>

namespace importtest {

namespace {
void write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}
} // namespace

QStringList validFields(ImportKind kind, const QString& periodo)
{
    const QString month = periodo.mid(4, 2) + QLatin1Char('/') + periodo.left(4);
    QStringList fields = {Company,
                          QStringLiteral("EMPRESA SAC"),
                          QString(),
                          QString(),
                          QString(),
                          QStringLiteral("1"),
                          QStringLiteral("25"),
                          QStringLiteral("15/") + month,
                          QStringLiteral("1000.00"),
                          QStringLiteral("01")};
    if (kind == ImportKind::Receipts)
        fields << QStringLiteral("1") << QStringLiteral("345") << QStringLiteral("10/") + month
               << QStringLiteral("1000.00");
    return fields;
}

QString joinLine(const QStringList& fields)
{
    return fields.join(QLatin1Char('|')) + QLatin1Char('|');
}

QByteArray crlfFile(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toUtf8() + "\r\n";
    return bytes;
}

QString fixturePath(const QString& name)
{
    return qEnvironmentVariable("DECL_SOURCE_DIR") + QStringLiteral("/tests/import/fixtures/") + name;
}

ImportHost::ImportHost()
{
    Clock::setNow(QDateTime(QDate(2014, 6, 30), QTime(10, 20, 30)));
    // The module's parameter rows as the installer writes them (voucher types among them).
    StatementRunner runner(m_host.db(), m_host.messages());
    for (const ParameterRow& row : moduleParameterRows())
        GrabaParametro(runner, row);
    reset();
}

void ImportHost::reset()
{
    HostDatabase& db = m_host.db();
    db.setStatementHook({});
    for (const char* table : {"TMPF947PDETCP", "TMPF947PDET", "TMPF947PCAB", "SPOOL"})
        db.execute(QStringLiteral("DELETE FROM ") + QLatin1String(table));
    for (const QString& folder : {this->folder(), m_host.session().rutaReportes}) {
        QDir dir(folder);
        for (const QFileInfo& entry : dir.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot))
            entry.isDir() ? QDir(entry.filePath()).removeRecursively() : QFile::remove(entry.filePath());
    }
    Session& s = m_host.session();
    s.rucDeclarante = Declarant;
    s.periodoDeclaracion = Periodo;
    s.tasaPercepcion = Rate;
}

ImportHost::~ImportHost()
{
    Clock::setNow(QDateTime());
}

QString ImportHost::inputPath(ImportKind kind)
{
    return paths(kind).input;
}

ImportPaths ImportHost::paths(ImportKind kind)
{
    const Session& s = m_host.session();
    return importPaths(folder(), s.rutaReportes,
                       importBaseName(s.numFormulario, s.rucDeclarante, s.periodoDeclaracion, kind));
}

void ImportHost::writeInput(ImportKind kind, const QByteArray& bytes)
{
    write(inputPath(kind), bytes);
}

void ImportHost::copyInput(ImportKind kind, const QString& fixture)
{
    QFile source(fixturePath(fixture));
    if (!source.open(QIODevice::ReadOnly))
        qFatal("missing fixture %s", qPrintable(fixture));
    writeInput(kind, source.readAll());
}

ImportRequest ImportHost::request()
{
    const Session& s = m_host.session();
    return {folder(),        s.rutaReportes,       s.numFormulario,
            s.rucDeclarante, s.periodoDeclaracion, s.tasaPercepcion};
}

ImportResult ImportHost::run(ImportKind kind, const ImportProgressCallback& progress)
{
    ImportRun run(m_host.db(), m_host.host(), request());
    return kind == ImportKind::Receipts ? run.Transferencia(progress) : run.Transferencia_VC(progress);
}

int ImportHost::count(const QString& table)
{
    // Table names come from the tests themselves, never from data.
    return m_host.db().scalar(QStringLiteral("SELECT count(*) FROM ") + table).toInt();
}

QStringList ImportHost::column(const QString& table, const QString& name)
{
    const TableDef* def = findTableDef(table);
    QSqlQuery query =
        m_host.db().run(QStringLiteral("SELECT ") + name + QStringLiteral(" FROM ") + table +
                        QStringLiteral(" ORDER BY ") + def->primaryKey.join(QStringLiteral(", ")));
    QStringList values;
    while (query.next())
        values.append(query.value(0).toString());
    return values;
}

} // namespace importtest
