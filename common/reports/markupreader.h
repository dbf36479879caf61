#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QtGlobal>
#include <optional>

/// One command of a report file. Positions are twips (1/1440 inch) from the top-left corner of
/// the page; every number is held in 16 bits as the files were designed for.
struct MarkupElement {
    enum class Kind {
        Text,         ///< "pPos": text with its top-left corner at (x, y)
        VerticalText, ///< "pPosVerti": one character under the other, 190 twips apart
        Box,          ///< "pCuadro": rectangle with corners (x, y) and (x2, y2)
        PageBreak,    ///< "pNuevaHoja": a new printer page
    };
    Kind kind = Kind::Text;
    qint16 x = 0;
    qint16 y = 0;
    qint16 x2 = 0;
    qint16 y2 = 0;
    QString text;
    bool bold = false;
    qint16 size = 8; ///< points; a size of 0 in the file reads as 8
    qint16 page = 0; ///< zero-based page the element belongs to

    friend bool operator==(const MarkupElement&, const MarkupElement&) = default;
};

/// The elements drawn on one page.
using MarkupPage = QList<MarkupElement>;

/// A report file read back: the header tags and the commands in the order of the file.
struct ReportMarkup {
    QString font;                 ///< "<!font!>"
    qint16 pageCount = 0;         ///< "<!nHojas!>", 0 when the file has none
    std::optional<quint32> color; ///< "<!Color!>" as the platform's colour number
    bool landscape = false;       ///< "<!Orientacion!>H<!/Orientacion!>"
    QList<MarkupElement> commands;
};

/// The command token of a line: it ends at the first "|", at the first "!>" or once the
/// characters read end in "aHoja"; it is trimmed and loses a trailing "|".
QString markupToken(const QString& line);

/// Reads report markup (Windows-1252, lines ended by CR LF, LF or CR). Lines with an unknown
/// command or without the fields their command needs are skipped; nothing in the text makes
/// the reader fail.
ReportMarkup readMarkup(const QByteArray& bytes);

/// Reads a report file; nullopt when it cannot be opened or read.
std::optional<ReportMarkup> readMarkupFile(const QString& path);
