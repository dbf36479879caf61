#include "inifile.h"

#include "cp1252.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {
// GetPrivateProfileString fills a 255-character buffer, terminator included.
constexpr int MaxValueLength = 254;

bool isSectionLine(const QString& line, QString* name = nullptr)
{
    const QString t = line.trimmed();
    if (!t.startsWith(QLatin1Char('[')) || !t.contains(QLatin1Char(']')))
        return false;
    if (name)
        *name = t.mid(1, t.indexOf(QLatin1Char(']')) - 1).trimmed();
    return true;
}
} // namespace

IniFile::IniFile(QString path) : m_path(std::move(path)) {}

bool IniFile::exists() const
{
    return QFileInfo(m_path).isFile();
}

bool IniFile::load()
{
    m_lines.clear();
    QFile file(m_path);
    if (!file.exists())
        return true;
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QString text = decodeTextFile(file.readAll());
    for (QString line : text.split(QLatin1Char('\n'))) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        m_lines.append(line);
    }
    if (!m_lines.isEmpty() && m_lines.last().isEmpty())
        m_lines.removeLast();
    return true;
}

int IniFile::findSection(const QString& section) const
{
    for (int i = 0; i < m_lines.size(); ++i) {
        QString name;
        if (isSectionLine(m_lines[i], &name) && name.compare(section, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

int IniFile::findKey(int sectionLine, const QString& key) const
{
    for (int i = sectionLine + 1; i < m_lines.size() && !isSectionLine(m_lines[i]); ++i) {
        const QString& line = m_lines[i];
        const int eq = line.indexOf(QLatin1Char('='));
        if (eq > 0 && !line.trimmed().startsWith(QLatin1Char(';')) &&
            line.left(eq).trimmed().compare(key, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QString IniFile::value(const QString& section, const QString& key) const
{
    const int s = findSection(section);
    if (s < 0)
        return {};
    const int k = findKey(s, key);
    if (k < 0)
        return {};
    const QString& line = m_lines[k];
    return line.mid(line.indexOf(QLatin1Char('=')) + 1).trimmed().left(MaxValueLength).trimmed();
}

bool IniFile::setValue(const QString& section, const QString& key, const QString& value)
{
    const QString entry = key + QLatin1Char('=') + value;
    int s = findSection(section);
    if (s < 0) {
        m_lines.append(QLatin1Char('[') + section + QLatin1Char(']'));
        m_lines.append(entry);
    } else if (const int k = findKey(s, key); k >= 0) {
        m_lines[k] = entry;
    } else {
        int end = s + 1;
        while (end < m_lines.size() && !isSectionLine(m_lines[end]))
            ++end;
        while (end > s + 1 && m_lines[end - 1].trimmed().isEmpty())
            --end;
        m_lines.insert(end, entry);
    }
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(toCp1252(m_lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
    return file.commit();
}
