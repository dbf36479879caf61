#pragma once

#include <QString>
#include <QStringList>
#include <stdexcept>

/// A file could not be read or written. `number` is the platform's file error number the
/// technical-error message shows: 53 file not found, 57 device error, 75 path or access error.
class FileError : public std::runtime_error {
public:
    static constexpr int NotFound = 53;
    static constexpr int DeviceError = 57;
    static constexpr int AccessError = 75;

    FileError(int number, const QString& text) : std::runtime_error(text.toStdString()), m_number(number) {}
    int number() const { return m_number; }
    QString text() const { return QString::fromUtf8(what()); }

private:
    int m_number;
};

// Plain text files as the system writes them: Windows-1252, each line ended by CR LF.

/// Creates or empties the file and writes the lines. Throws FileError.
void writeTextFile(const QString& path, const QStringList& lines);
/// Adds one line at the end of the file, creating it when it is not there. Throws FileError.
void appendTextLine(const QString& path, const QString& line);
/// Copies a file over any file already at `target`. Throws FileError.
void replaceFile(const QString& source, const QString& target);
