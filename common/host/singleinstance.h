#pragma once

#include <QLockFile>
#include <QString>

/// Holds a lock per program and user for as long as it lives, so a second copy of the same
/// program can tell that one is already running. A lock left by a process that died does
/// not count.
class SingleInstance {
public:
    explicit SingleInstance(const QString& programName);
    /// True when this is the only running copy (the lock was taken).
    bool isFirst() const { return m_first; }

private:
    QLockFile m_lock;
    bool m_first = false;
};
