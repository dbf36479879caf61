#pragma once

#include <QString>
#include <QStringList>

/// Outcome of running one of the module's programs to its end.
struct ProgramRun {
    bool started = false;
    int exitCode = -1;
    QString output; ///< what it wrote to stdout and stderr, or why it could not start
};

/// Path of a program built beside kovaris.
QString programPath(const QString& name);
/// Runs a program to completion (the integrator waits for declsetup, declcheck, declsummary).
ProgramRun runProgram(const QString& name, const QStringList& arguments);
/// Starts an interactive program and leaves it running.
bool startProgram(const QString& name, const QStringList& arguments, QString* error);
