#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

/// Reads a text file one line at a time, never whole: lines end with LF or CR LF, the final
/// line may lack its end, and a UTF-8 byte-order mark at the start of the file is dropped.
/// A line longer than `LineLimit` bytes is not kept: it is skipped to its end and reported.
class LineReader {
public:
    static constexpr qint64 LineLimit = 16 * 1024 * 1024;

    /// Opens the file; false when it cannot be read (error() tells why).
    bool open(const QString& path);
    void close() { m_file.close(); }
    QFileDevice::FileError error() const { return m_file.error(); }

    /// The next line's bytes without its end; false at the end of the file.
    bool next();
    bool atEnd() const { return m_file.atEnd(); }
    const QByteArray& bytes() const { return m_line; }
    /// True when the line just read went beyond LineLimit (its bytes are cut there).
    bool overlong() const { return m_overlong; }

    qint64 position() const { return m_file.pos(); }
    qint64 size() const { return m_file.size(); }

private:
    QFile m_file;
    QByteArray m_line;
    bool m_overlong = false;
    bool m_first = true;
};

/// How the bytes of an import file become text: UTF-8 when every line is valid UTF-8,
/// otherwise Windows-1252 (the code page the files were designed for).
enum class FileEncoding { Utf8, Windows1252 };
QString decodeLine(const QByteArray& bytes, FileEncoding encoding);
