#include "textfile.h"

#include "cp1252.h"

#include <QFile>

namespace {

void writeLines(const QString& path, const QStringList& lines, QIODevice::OpenMode mode)
{
    QFile file(path);
    if (!file.open(mode))
        throw FileError(FileError::AccessError, QStringLiteral("No se puede abrir el archivo ") + path +
                                                    QStringLiteral(": ") + file.errorString());
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += toCp1252(line) + "\r\n";
    if (file.write(bytes) != bytes.size() || !file.flush())
        throw FileError(FileError::DeviceError, QStringLiteral("No se puede escribir el archivo ") + path +
                                                    QStringLiteral(": ") + file.errorString());
}

} // namespace

void writeTextFile(const QString& path, const QStringList& lines)
{
    writeLines(path, lines, QIODevice::WriteOnly | QIODevice::Truncate);
}

void appendTextLine(const QString& path, const QString& line)
{
    writeLines(path, {line}, QIODevice::WriteOnly | QIODevice::Append);
}

void replaceFile(const QString& source, const QString& target)
{
    if (!QFile::exists(source))
        throw FileError(FileError::NotFound, QStringLiteral("No existe el archivo ") + source);
    if (QFile::exists(target) && !QFile::remove(target))
        throw FileError(FileError::AccessError,
                        QStringLiteral("No se puede reemplazar el archivo ") + target);
    QFile file(source);
    if (!file.copy(target))
        throw FileError(FileError::AccessError, QStringLiteral("No se puede copiar ") + source +
                                                    QStringLiteral(" en ") + target + QStringLiteral(": ") +
                                                    file.errorString());
}
