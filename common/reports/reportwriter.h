#pragma once

#include <QFile>
#include <QString>
#include <functional>
#include <stdexcept>

/// A report file could not be written.
class ReportError : public std::runtime_error {
public:
    explicit ReportError(const QString& message) : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromUtf8(what()); }
};

/// Writes one report file in the report markup (Windows-1252, CR LF) and keeps the writer's
/// state: page number, lines on the page, the vertical cursor of plain lines, the report
/// width and the page header to write after an automatic page break.
class ReportWriter {
public:
    static constexpr int LinePitch = 175; ///< twips between plain lines

    /// Creates or empties the file. Throws ReportError.
    explicit ReportWriter(const QString& path);
    ~ReportWriter();
    ReportWriter(const ReportWriter&) = delete;
    ReportWriter& operator=(const ReportWriter&) = delete;

    /// One plain line at the left margin, below the previous one ("<!" tag lines as they are,
    /// page 1 only); breaks the page when the page is full and calls the page header.
    void EmiteLinea(const QString& text);
    /// One text at (x, y) twips of page `page` (zero-based); "pNuevaHoja" writes a page break.
    void EmitePos(int x, int y, const QString& text, bool bold, int size, int page);
    /// A rectangle on page `page`.
    void EmiteCuadro(int x1, int y1, int x2, int y2, int page);
    /// A page break the report asks for itself: "pNuevaHoja", the next page becomes current and
    /// its line count starts at 0. No page header is written; the caller writes its own.
    void newPage();

    /// Report width in characters: it decides how many plain lines fit on a page.
    void setWidth(int characters) { m_width = characters; }
    int width() const { return m_width; }
    /// Plain lines a page holds at the current width: 64, 83 or 85.
    int pageLimit() const;
    /// Called after an automatic page break, with the new page already current.
    void setPageHeader(std::function<void(ReportWriter&)> header) { m_pageHeader = std::move(header); }

    int page() const { return m_page; } ///< from 1
    int lineCount() const { return m_lines; }
    /// For page headers that restart the count of the page's lines after their tag lines.
    void setLineCount(int lines) { m_lines = lines; }
    int cursorY() const { return m_cursorY; }
    void setCursorY(int y) { m_cursorY = y; }

    /// Flushes and closes the file. Throws ReportError when the data did not reach the disk.
    void close();

    /// "<!name!>value<!/name!>".
    static QString tag(const QString& name, const QString& value);

private:
    void write(const QString& line);

    QFile m_file;
    int m_page = 1;
    int m_lines = 0;
    int m_cursorY = 0;
    int m_width = 104;
    std::function<void(ReportWriter&)> m_pageHeader;
};
