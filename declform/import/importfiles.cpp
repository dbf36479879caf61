#include "importfiles.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace {
QString joined(const QString& folder, const QString& name)
{
    if (folder.endsWith(QLatin1Char('/')))
        return folder + name;
    return folder + QLatin1Char('/') + name;
}
} // namespace

int fieldCount(ImportKind kind)
{
    return kind == ImportKind::Receipts ? 14 : 10;
}

QString importBaseName(const QString& formulario, const QString& ruc, const QString& periodo, ImportKind kind)
{
    QString name = formulario + ruc.trimmed() + periodo;
    if (kind == ImportKind::CashSales)
        name += QStringLiteral("VC");
    return name;
}

ImportPaths importPaths(const QString& folder, const QString& rutaReportes, const QString& baseName)
{
    return {joined(folder, baseName + QStringLiteral(".TXT")),
            joined(rutaReportes, baseName + QStringLiteral(".Log")),
            joined(rutaReportes, baseName + QStringLiteral(".Err"))};
}

QString existingInputFile(const QString& path)
{
    const QFileInfo info(path);
    if (info.isFile())
        return path;
    // QDir matches name filters without regard to case unless told otherwise.
    const QStringList matches = info.dir().entryList({info.fileName()}, QDir::Files);
    return matches.size() == 1 ? info.dir().filePath(matches.first()) : QString();
}

QString errorKey(const QString& rawLine)
{
    const QStringList fields = rawLine.split(QLatin1Char('|'));
    const auto field = [&fields](int index) { return index < fields.size() ? fields.at(index) : QString(); };
    return field(0) + QLatin1Char(' ') + field(5) + QLatin1Char(' ') + field(6);
}
