// Imports a generated file of 100,000 lines (or the count given as the first argument) into a
// fresh installation, first through the import run alone, then through the "Importar" window
// with a timer measuring how long the window goes without handling its events.

#include "appcontext.h"
#include "configuration.h"
#include "frmtransferencia.h"
#include "hostdatabase.h"
#include "hostutilities.h"
#include "importrun.h"
#include "integrator.h"
#include "messages.h"
#include "moduleparameters.h"
#include "opendb.h"
#include "session.h"
#include "statementrunner.h"
#include "subjecttotals.h"
#include "tabledefs.h"
#include "windowopener.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileSystemModel>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>
#include <cstdio>
#include <ctime>

namespace {
const QString Declarant = QStringLiteral("20100123453");
const QString Periodo = QStringLiteral("200506");

/// A RUC with its check digit: weights 5 4 3 2 7 6 5 4 3 2 over the first ten digits.
QString ruc(const QString& firstTen)
{
    int sum = 0;
    for (int i = 0; i < 10; ++i)
        sum += firstTen.at(i).digitValue() * (i < 4 ? 5 - i : 11 - i);
    const int check = (11 - sum % 11) % 10;
    return firstTen + QString::number(check);
}

/// Subjects with their receipts and vouchers, about one line in a hundred refused.
QByteArray generate(int lines)
{
    static const char* const surnames[] = {"MUÑOZ", "PEÑA", "QUISPE", "NÚÑEZ", "IBÁÑEZ", "MAMANI", "GARCÍA"};
    QByteArray file;
    file.reserve(qsizetype(lines) * 130);
    int line = 0;
    for (int subject = 0; line < lines; ++subject) {
        const bool company = subject % 3 != 0;
        const QString id = ruc((company ? QStringLiteral("20") : QStringLiteral("10")) +
                               QStringLiteral("%1").arg(subject + 1000, 8, 10, QLatin1Char('0')));
        const QString names = company ? QStringLiteral("COMERCIAL %1 S.A.C.||||").arg(subject)
                                      : QStringLiteral("|%1|%2|JOSÉ|")
                                            .arg(QString::fromUtf8(surnames[subject % 7]),
                                                 QString::fromUtf8(surnames[(subject + 3) % 7]));
        for (int receipt = 1; receipt <= 5 && line < lines; ++receipt) {
            for (int voucher = 1; voucher <= 4 && line < lines; ++voucher, ++line) {
                const QString amount =
                    line % 100 == 99 ? QStringLiteral("0") : QStringLiteral("250.%1").arg(line % 90 + 10);
                const QString text = id + QLatin1Char('|') + names +
                                     QStringLiteral("1|%1|15/06/2005|1000.00|").arg(receipt) +
                                     (voucher == 4 ? QStringLiteral("07") : QStringLiteral("01")) +
                                     QStringLiteral("|1|%1|10/06/2005|%2|").arg(line + 1).arg(amount);
                file += text.toUtf8() + "\r\n";
            }
        }
    }
    return file;
}

struct Installation {
    QTemporaryDir dir;
    Session session;
    std::unique_ptr<HostDatabase> db;

    Installation()
    {
        const QString windir = dir.filePath(QStringLiteral("windir"));
        qputenv("KOVA_WINDIR", windir.toLocal8Bit());
        integrator::initIntegrator(dir.filePath(QStringLiteral("kova")), windir);
        LeeConfiguracion(session);
        db = AbreBaseDatos(session);
        for (const TableDef& table : moduleTables())
            createTable(*db, table);
        ConsoleMessages messages;
        StatementRunner runner(*db, messages);
        for (const ParameterRow& row : moduleParameterRows())
            GrabaParametro(runner, row);
        session.rucDeclarante = Declarant;
        session.periodoDeclaracion = Periodo;
        session.tasaPercepcion = QStringLiteral("0.009901");
    }

    QString inputFolder() const { return dir.filePath(QStringLiteral("input")); }

    void emptyWorkingTables()
    {
        for (const char* table : {"TMPF947PDETCP", "TMPF947PDET", "TMPF947PCAB"})
            db->execute(QStringLiteral("DELETE FROM ") + QLatin1String(table));
    }
};

void benchRun(Installation& at, int lines)
{
    ConsoleMessages messages;
    const HostUtilities host(messages);
    ImportRun run(*at.db, host,
                  {at.inputFolder(), at.session.rutaReportes, at.session.numFormulario, Declarant, Periodo,
                   at.session.tasaPercepcion});
    QElapsedTimer clock;
    clock.start();
    const std::clock_t cpu = std::clock();
    const ImportResult result = run.Transferencia();
    const double runCpu = double(std::clock() - cpu) / CLOCKS_PER_SEC;
    const qint64 runMs = clock.restart();
    CalcularTot(*at.db);
    const qint64 totalsMs = clock.elapsed();
    std::printf(
        "import run: %d lines in %.2f s (%.2f s of processor time, %.0f lines/s): %lld loaded, %lld refused; "
        "totals %.2f s\n",
        lines, runMs / 1000.0, runCpu, lines * 1000.0 / std::max<qint64>(runMs, 1), result.loaded,
        result.refused, totalsMs / 1000.0);
}

void benchWindow(Installation& at, int lines)
{
    ScriptedMessages messages;
    HostUtilities host(messages);
    ScriptedOpener opener;
    AppContext context{at.session, *at.db, messages, host, opener};
    frmTransferencia window(context);
    window.show();
    auto* tree = window.findChild<QTreeView*>(QStringLiteral("DirDirectorio"));
    tree->setCurrentIndex(qobject_cast<QFileSystemModel*>(tree->model())->index(at.inputFolder()));
    messages.answer(MsgAnswer::No);

    // A timer that should fire every 10 ms: the longest gap between two ticks is the longest
    // the window went without answering its user.
    QElapsedTimer sinceTick;
    qint64 longestGap = 0;
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (sinceTick.isValid())
            longestGap = std::max(longestGap, sinceTick.elapsed());
        sinceTick.restart();
        ++ticks;
    });
    int barMoves = 0;
    QObject::connect(window.findChild<QProgressBar*>(QStringLiteral("ProgressBar1")),
                     &QProgressBar::valueChanged, [&barMoves] { ++barMoves; });
    timer.start(10);
    QElapsedTimer clock;
    clock.start();
    window.findChild<QPushButton*>(QStringLiteral("cmdTransferir"))->click();
    const qint64 ms = clock.elapsed();
    std::printf(
        "window: %d lines in %.2f s including totals and the error report; progress bar moved %d times, "
        "events handled %d times, longest wait %lld ms\n",
        lines, ms / 1000.0, barMoves, ticks, longestGap);
}
} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int lines = argc > 1 ? std::max(1, std::atoi(argv[1])) : 100000;

    Installation at;
    QDir().mkpath(at.inputFolder());
    QFile input(at.inputFolder() + QStringLiteral("/0947") + Declarant + Periodo + QStringLiteral(".TXT"));
    const QByteArray bytes = generate(lines);
    if (!input.open(QIODevice::WriteOnly) || input.write(bytes) != bytes.size())
        return 1;
    input.close();
    std::printf("file: %d lines, %.1f MB\n", lines, bytes.size() / 1e6);

    benchRun(at, lines);
    at.emptyWorkingTables();
    benchWindow(at, lines);
    return 0;
}
