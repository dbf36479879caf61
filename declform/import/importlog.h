#pragma once

#include <QByteArray>
#include <QFile>
#include <QHash>
#include <QString>
#include <optional>

class HostDatabase;
class HostUtilities;

/// The text the error file gives a refusal code when ERROR has a row for it; the program's own
/// text where it has one, else the row's.
QString importErrorText(const QString& code, const QString& descError);

/// The log and error files of one import run. The first refused line of a run empties both
/// files; a run without refused lines leaves the files of an earlier run alone.
class ImportLog {
public:
    ImportLog(HostDatabase& db, const HostUtilities& host, QString logPath, QString errorPath);

    /// Writes one refused line: its bytes as read to the log file, and its key with the message
    /// of `code` to the error file. False when a file could not be written (failure() tells why).
    bool GraboLog(const QByteArray& rawLine, const QString& key, const QString& code);
    /// The error file's line for a refused line.
    QString errorLine(const QString& key, const QString& code);
    /// Closes both files; false (with failure()) when the last writes did not reach the disk.
    bool close();

    bool started() const { return m_started; }
    struct Failure {
        int number = 0; ///< 70 when the file may not be written, else the platform's number
        QString text;   ///< the platform's text for it
    };
    const Failure& failure() const { return m_failure; }

private:
    bool openBoth();
    bool write(QFile& file, const QByteArray& bytes);
    void failOpen(const QFile& file);
    void failWrite();
    std::optional<QString> descError(const QString& code);

    HostDatabase& m_db;
    const HostUtilities& m_host;
    QFile m_log;
    QFile m_error;
    bool m_started = false;
    Failure m_failure;
    QHash<QString, std::optional<QString>> m_texts;
};
