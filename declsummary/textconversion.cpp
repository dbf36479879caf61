#include "textconversion.h"

#include "textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

void convertReportToText(const QString& source, const QString& target)
{
    const QFileInfo info(source);
    if (!info.absoluteDir().exists() || !info.isFile())
        throw ConversionError(source);
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        throw FileError(FileError::AccessError, QStringLiteral("No se puede leer el archivo ") + source +
                                                    QStringLiteral(": ") + in.errorString());
    QFile out(target);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw FileError(FileError::AccessError, QStringLiteral("No se puede abrir el archivo ") + target +
                                                    QStringLiteral(": ") + out.errorString());
    while (!in.atEnd()) {
        const QByteArray line = in.readLine();
        if (line.contains("<!"))
            continue;
        if (out.write(line) != line.size())
            throw FileError(FileError::DeviceError, QStringLiteral("No se puede escribir el archivo ") +
                                                        target + QStringLiteral(": ") + out.errorString());
    }
    if (in.error() != QFileDevice::NoError)
        throw FileError(FileError::DeviceError, QStringLiteral("No se puede leer el archivo ") + source +
                                                    QStringLiteral(": ") + in.errorString());
    if (!out.flush())
        throw FileError(FileError::DeviceError, QStringLiteral("No se puede escribir el archivo ") + target +
                                                    QStringLiteral(": ") + out.errorString());
}
