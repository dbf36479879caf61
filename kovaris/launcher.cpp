#include "launcher.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>

QString programPath(const QString& name)
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(name);
}

ProgramRun runProgram(const QString& name, const QStringList& arguments)
{
    ProgramRun run;
    const QString path = programPath(name);
    if (!QFileInfo(path).isExecutable()) {
        run.output = QStringLiteral("No se encuentra el programa ") + path;
        return run;
    }
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(path, arguments);
    if (!process.waitForStarted()) {
        run.output = process.errorString();
        return run;
    }
    run.started = true;
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        // The integrator's window keeps painting while the program runs.
        QEventLoop loop;
        QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
        if (process.state() != QProcess::NotRunning)
            loop.exec(QEventLoop::ExcludeUserInputEvents);
    } else {
        process.waitForFinished(-1);
    }
    run.output = QString::fromLocal8Bit(process.readAll()).trimmed();
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return run;
}

bool startProgram(const QString& name, const QStringList& arguments, QString* error)
{
    const QString path = programPath(name);
    if (!QFileInfo(path).isExecutable()) {
        *error = QStringLiteral("No se encuentra el programa ") + path;
        return false;
    }
    if (!QProcess::startDetached(path, arguments)) {
        *error = QStringLiteral("No se pudo iniciar ") + path;
        return false;
    }
    return true;
}
