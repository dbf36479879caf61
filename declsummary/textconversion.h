#pragma once

#include <QString>
#include <stdexcept>

inline const QString ReportFileMissingText = QStringLiteral("Archivo Físico del Reporte no Existe");
inline const QString ReportFileMissingTitle = QStringLiteral("Error al Imprimir");

/// The report file to convert is not there.
class ConversionError : public std::runtime_error {
public:
    explicit ConversionError(const QString& path) : std::runtime_error(path.toStdString()) {}
};

/// Copies a report file into a text file line by line, leaving out the lines that hold
/// formatting instructions ("<!font!>", "<!bold!>", "<!np!>", ...: any line with "<!"), which
/// mean nothing in a text file. The other lines keep their bytes. Throws ConversionError when
/// the source file or its folder does not exist, FileError when a file cannot be read or written.
void convertReportToText(const QString& source, const QString& target);
