#include "linereader.h"

#include "cp1252.h"

bool LineReader::open(const QString& path)
{
    m_file.setFileName(path);
    m_first = true;
    return m_file.open(QIODevice::ReadOnly);
}

bool LineReader::next()
{
    m_line.clear();
    m_overlong = false;
    if (m_file.atEnd())
        return false;
    char chunk[64 * 1024];
    bool ended = false;
    while (!ended) {
        const qint64 n = m_file.readLine(chunk, sizeof chunk);
        if (n <= 0)
            break;
        ended = chunk[n - 1] == '\n';
        if (m_overlong)
            continue;
        if (m_line.size() + n > LineLimit) {
            m_overlong = true;
            continue;
        }
        m_line.append(chunk, n);
    }
    if (m_line.endsWith('\n'))
        m_line.chop(1);
    if (m_line.endsWith('\r'))
        m_line.chop(1);
    if (m_first && m_line.startsWith("\xEF\xBB\xBF"))
        m_line.remove(0, 3);
    m_first = false;
    return true;
}

QString decodeLine(const QByteArray& bytes, FileEncoding encoding)
{
    return encoding == FileEncoding::Utf8 ? QString::fromUtf8(bytes) : fromCp1252(bytes);
}
