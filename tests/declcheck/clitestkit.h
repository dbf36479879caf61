#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// What the tests of declcheck and declsummary share besides SavedDeclaration.

/// A run of one of the built programs as a child process.
struct ChildRun {
    int exitCode = -1;
    QString errors; ///< what it wrote to stderr (its messages, with no display server)
};

/// Runs build/bin/`program` with `arguments`, the integrator whose KV000.INI is in `iniFolder`,
/// the clock fixed at `fecha` (KOVA_FECHA), its single-copy lock in `lockFolder` (so runs of
/// other tests cannot meet it) and `workingFolder` as its current folder.
ChildRun runChild(const QString& program, const QStringList& arguments, const QString& iniFolder,
                  const QString& lockFolder, const QString& workingFolder,
                  const QString& fecha = QStringLiteral("2005-06-15T10:30:00"));

/// Lines of a file the programs write (Windows-1252, CR LF); empty when it cannot be read.
QStringList fileLines(const QString& path);
QByteArray fileBytes(const QString& path);

/// Compares lines with the golden file `name` of the test folder `testFolder` (under tests/),
/// dates and times masked in both. Answers an empty text when they agree, else what differs.
/// With UPDATE_GOLDEN=1 in the environment the golden file is written instead.
QString compareWithGolden(const QStringList& lines, const QString& testFolder, const QString& name);
