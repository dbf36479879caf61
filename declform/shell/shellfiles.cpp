#include "shellfiles.h"

#include "cp1252.h"
#include "session.h"

#include <QFile>

QString helpFilePath(const Session& session)
{
    return session.rutaSistema + QStringLiteral("0947/") + HelpFileName;
}

std::optional<QString> readCp1252File(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return fromCp1252(file.readAll());
}
