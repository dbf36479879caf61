#pragma once

#include <QList>
#include <QString>

/// A Windows INI file as the integrator keeps it: section and key names without regard to
/// case, values trimmed and cut to what a 255-character buffer holds, a missing key read as
/// an empty text. Writing keeps every other line of the file as it was.
class IniFile {
public:
    explicit IniFile(QString path);

    const QString& path() const { return m_path; }
    bool exists() const;
    /// False when the file exists but cannot be read.
    bool load();
    QString value(const QString& section, const QString& key) const;
    /// Sets the value in memory and writes the whole file; false when it cannot be written.
    bool setValue(const QString& section, const QString& key, const QString& value);

private:
    int findSection(const QString& section) const;
    int findKey(int sectionLine, const QString& key) const;

    QString m_path;
    QList<QString> m_lines;
};
