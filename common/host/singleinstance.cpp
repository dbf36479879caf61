#include "singleinstance.h"

#include <QDir>

namespace {
QString lockPath(const QString& programName)
{
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty())
        user = QStringLiteral("user");
    return QDir(QDir::tempPath()).filePath(programName + QLatin1Char('-') + user + QStringLiteral(".lock"));
}
} // namespace

SingleInstance::SingleInstance(const QString& programName) : m_lock(lockPath(programName))
{
    m_lock.setStaleLockTime(0);
    m_first = m_lock.tryLock(0);
}
