#include "clitestkit.h"

#include "cp1252.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>

QString ChildRun::mismatch(int status, const QString& message) const
{
    const bool messageSeen = message.isEmpty() ? errors.isEmpty() : errors.contains(message);
    if (exitCode == status && messageSeen)
        return {};
    return QStringLiteral("exit status ") + QString::number(exitCode) + QStringLiteral(", messages: ") +
           errors;
}

ChildRun ProgramRunner::run(const QString& iniFolder, const QStringList& arguments) const
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("KOVA_WINDIR"), iniFolder);
    environment.insert(QStringLiteral("KOVA_FECHA"), m_fecha);
    environment.insert(QStringLiteral("TMPDIR"), m_lock.path());
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(m_work.path());
    process.start(qEnvironmentVariable("DECL_BIN_DIR") + QLatin1Char('/') + m_program, arguments);
    ChildRun result;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) {
        result.errors = QStringLiteral("did not finish: ") + process.errorString();
        return result;
    }
    result.exitCode = process.exitCode();
    result.errors = QString::fromLocal8Bit(process.readAllStandardError());
    result.output = QString::fromLocal8Bit(process.readAllStandardOutput());
    return result;
}

QStringList ProgramRunner::leftInWorkFolder() const
{
    return QDir(m_work.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList fileLines(const QString& path)
{
    QStringList lines = fromCp1252(fileBytes(path)).split(QStringLiteral("\r\n"));
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

namespace {
QStringList masked(QStringList lines)
{
    static const QRegularExpression date(QStringLiteral("\\b\\d\\d/\\d\\d/\\d\\d\\d\\d\\b"));
    static const QRegularExpression time(QStringLiteral("\\b\\d\\d:\\d\\d:\\d\\d\\b"));
    for (QString& line : lines)
        line.replace(date, QStringLiteral("dd/mm/yyyy")).replace(time, QStringLiteral("hh:mm:ss"));
    return lines;
}
} // namespace

QString compareWithGolden(const QStringList& lines, const QString& testFolder, const QString& name)
{
    const QString path = qEnvironmentVariable("DECL_SOURCE_DIR") + QStringLiteral("/tests/") + testFolder +
                         QStringLiteral("/golden/") + name;
    const QStringList actual = masked(lines);
    if (qEnvironmentVariable("UPDATE_GOLDEN") == QLatin1String("1")) {
        QFile out(path);
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return QStringLiteral("cannot write ") + path;
        out.write((actual.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
        return {};
    }
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly))
        return QStringLiteral("golden file missing: ") + path +
               QStringLiteral(" (UPDATE_GOLDEN=1 writes it)");
    QStringList expected = QString::fromUtf8(in.readAll()).split(QLatin1Char('\n'));
    if (!expected.isEmpty() && expected.last().isEmpty())
        expected.removeLast();
    for (int i = 0; i < std::max(actual.size(), expected.size()); ++i) {
        const QString a = i < actual.size() ? actual[i] : QStringLiteral("<no line>");
        const QString e = i < expected.size() ? expected[i] : QStringLiteral("<no line>");
        if (a != e)
            return name + QStringLiteral(" line ") + QString::number(i + 1) +
                   QStringLiteral(":\n  actual:   ") + a + QStringLiteral("\n  expected: ") + e;
    }
    return {};
}
