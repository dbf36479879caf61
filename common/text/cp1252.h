#pragma once

#include <QByteArray>
#include <QString>

// Windows-1252, the code page of every file the system writes and of its integrity codes.

/// Encodes a text; characters outside the code page become "?".
QByteArray toCp1252(const QString& text);
QString fromCp1252(const QByteArray& bytes);
/// The code page's byte value of one character ("Ñ" is 209); 63 ("?") when it has none.
int cp1252Code(QChar c);
/// Decodes a text file's bytes: UTF-8 (a byte-order mark is dropped) when they are valid
/// UTF-8, otherwise Windows-1252.
QString decodeTextFile(const QByteArray& bytes);
