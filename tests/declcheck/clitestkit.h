#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// What the tests of declcheck and declsummary share besides SavedDeclaration.

/// A run of one of the built programs as a child process.
struct ChildRun {
    int exitCode = -1;
    QString errors; ///< what it wrote to stderr (its messages, with no display server)
    QString output; ///< what it wrote to stdout

    /// Empty when the run ended with `status` and its messages hold `message` (no message at
    /// all when `message` is empty); otherwise what happened instead.
    QString mismatch(int status, const QString& message) const;
};

/// Runs one of the built programs (from DECL_BIN_DIR) with the clock fixed (KOVA_FECHA, at
/// 15/06/2005 10:30:00 unless told), its single-copy lock in a folder of its own (so runs of
/// other tests cannot meet it) and an empty folder of its own as its current folder.
class ProgramRunner {
public:
    explicit ProgramRunner(QString program, QString fecha = QStringLiteral("2005-06-15T10:30:00"))
        : m_program(std::move(program)), m_fecha(std::move(fecha))
    {
    }
    /// Runs it for the integrator whose KV000.INI is in `iniFolder`.
    ChildRun run(const QString& iniFolder, const QStringList& arguments) const;
    QString lockFolder() const { return m_lock.path(); }
    /// What the runs left in the folder they started in.
    QStringList leftInWorkFolder() const;

private:
    QString m_program;
    QString m_fecha;
    QTemporaryDir m_lock;
    QTemporaryDir m_work;
};

/// Lines of a file the programs write (Windows-1252, CR LF); empty when it cannot be read.
QStringList fileLines(const QString& path);
QByteArray fileBytes(const QString& path);

/// Compares lines with the golden file `name` of the test folder `testFolder` (under tests/),
/// dates and times masked in both. Answers an empty text when they agree, else what differs.
/// With UPDATE_GOLDEN=1 in the environment the golden file is written instead.
QString compareWithGolden(const QStringList& lines, const QString& testFolder, const QString& name);
