#include "reportwriter.h"

#include "cp1252.h"

namespace {
const QString PageBreak = QStringLiteral("pNuevaHoja");

bool isTag(const QString& text)
{
    return text.startsWith(QLatin1String("<!"));
}
} // namespace

ReportWriter::ReportWriter(const QString& path) : m_file(path)
{
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw ReportError(QStringLiteral("No se puede crear el archivo del reporte ") + path +
                          QStringLiteral(": ") + m_file.errorString());
}

ReportWriter::~ReportWriter()
{
    if (m_file.isOpen())
        m_file.close();
}

int ReportWriter::pageLimit() const
{
    if (m_width >= 150)
        return 64;
    if (m_width >= 83)
        return 83;
    return 85;
}

void ReportWriter::write(const QString& line)
{
    const QByteArray bytes = toCp1252(line.trimmed().isEmpty() ? QStringLiteral(" ") : line) + "\r\n";
    if (m_file.write(bytes) != bytes.size())
        throw ReportError(QStringLiteral("No se puede escribir el archivo del reporte ") + m_file.fileName() +
                          QStringLiteral(": ") + m_file.errorString());
}

void ReportWriter::EmiteLinea(const QString& text)
{
    if (isTag(text)) {
        if (m_page != 1)
            return;
        write(text);
    } else {
        m_cursorY += LinePitch;
        write(QStringLiteral("pPos|10|") + QString::number(m_cursorY) + QLatin1Char('|') + text +
              QStringLiteral("|False|8|") + QString::number(m_page - 1) + QLatin1Char('|'));
    }
    if (++m_lines >= pageLimit()) {
        newPage();
        if (m_pageHeader)
            m_pageHeader(*this);
    }
}

void ReportWriter::EmitePos(int x, int y, const QString& text, bool bold, int size, int page)
{
    if (text == PageBreak) {
        write(PageBreak);
    } else if (isTag(text)) {
        if (m_page == 1)
            write(text);
    } else {
        // Built by joining, never by substitution: a report text may hold "%1".
        write(QStringLiteral("pPos|") + QString::number(x) + QLatin1Char('|') + QString::number(y) +
              QLatin1Char('|') + text + (bold ? QStringLiteral("|True|") : QStringLiteral("|False|")) +
              QString::number(size) + QLatin1Char('|') + QString::number(page) + QLatin1Char('|'));
    }
}

void ReportWriter::EmiteCuadro(int x1, int y1, int x2, int y2, int page)
{
    write(QStringLiteral("pCuadro|%1|%2|%3|%4|%5|").arg(x1).arg(y1).arg(x2).arg(y2).arg(page));
}

void ReportWriter::newPage()
{
    write(PageBreak);
    ++m_page;
    m_lines = 0;
}

void ReportWriter::close()
{
    if (!m_file.isOpen())
        return;
    const bool flushed = m_file.flush();
    const QString error = m_file.errorString();
    m_file.close();
    if (!flushed || m_file.error() != QFileDevice::NoError)
        throw ReportError(QStringLiteral("No se puede escribir el archivo del reporte ") + m_file.fileName() +
                          QStringLiteral(": ") + error);
}

QString ReportWriter::tag(const QString& name, const QString& value)
{
    return QStringLiteral("<!") + name + QStringLiteral("!>") + value + QStringLiteral("<!/") + name +
           QStringLiteral("!>");
}
