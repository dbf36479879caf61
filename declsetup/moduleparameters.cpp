#include "moduleparameters.h"

#include "statementrunner.h"
#include "tabledefs.h"

namespace {

ParameterRow row(const char* numero, const char* argumento, const QString& funcion, const char* correl = "")
{
    return {QString::fromLatin1(numero), QString::fromLatin1(argumento), funcion,
            QString::fromLatin1(correl)};
}

/// The integrator's registry of a module table (PARAM 996): the table name in 15 characters,
/// "R 1000" and the number of its key columns in 4.
ParameterRow tableRegistryRow(const char* argumento, const char* table)
{
    const TableDef* def = findTableDef(QLatin1String(table));
    const QString funcion = def->name.leftJustified(15) + QStringLiteral("R 1000") +
                            QString::number(def->primaryKey.size()).rightJustified(4);
    return row("996", argumento, funcion);
}

} // namespace

QList<ParameterRow> moduleParameterRows()
{
    return {
        row("968", "010909120021014", QStringLiteral("00.0099PERCEPCIONES 0.009901"), "001"),
        row("967", "01", QStringLiteral("HIDROCARBUROS").leftJustified(40) + QStringLiteral("1")),
        tableRegistryRow("165", "F947PCAB"),
        tableRegistryRow("166", "HF947PCAB"),
        tableRegistryRow("167", "F947PDET"),
        tableRegistryRow("168", "HF947PDET"),
        tableRegistryRow("169", "F947PDETCP"),
        tableRegistryRow("170", "HF947PDETCP"),
        tableRegistryRow("325", "F947PDETVC"),
        tableRegistryRow("326", "HF947PDETVC"),
        row("981", "0947", QStringLiteral("968"), "001"),
        row("233", "01",
            QStringLiteral("FACTURA                                       10100 0 1 FACT 0111110")),
        row("233", "03",
            QStringLiteral("BOLETA DE VENTA                               00100 0 1 BOLE 0010010")),
        row("233", "07",
            QStringLiteral("NOTA DE CREDITO                               00001 1 1 CRED 1111011")),
        row("233", "08",
            QStringLiteral("NOTA DE DEBITO                                10100 0 1 DEBI 0111110")),
        row("233", "12",
            QStringLiteral("TICKET DE MAQUINA REGISTRADORA                10100 0 0 TICK 0111110")),
        row("233", "99",
            QStringLiteral("OTROS                                         10100 0 0 OTRO 0111110")),
        row("856", "0947", QStringLiteral("1.2 29/08/2014     790"), "000"),
        row("992", "0947", QStringLiteral("1")),
    };
}

const QList<ReportRow>& moduleReports()
{
    static const QList<ReportRow> reports = {
        {QStringLiteral("PER001"), QStringLiteral("Reporte de Errores de Transferencia - 0947"), 1},
        {QStringLiteral("PER002"), QStringLiteral("Reporte de Declaraciones - 0947"), 1},
        {QStringLiteral("PER003"), QStringLiteral("Reporte de Anexos - 0947"), 1},
        {QStringLiteral("PER004"), QStringLiteral("Reporte de Envío  -  0947"), 1},
    };
    return reports;
}

void GrabaParametro(StatementRunner& runner, const ParameterRow& r)
{
    if (runner.db().exists(QStringLiteral("SELECT 1 FROM PARAM WHERE Numero = ? AND Argumento = ?"),
                           {r.numero, r.argumento}))
        runner.EjecutaSQL(
            QStringLiteral(
                "UPDATE PARAM SET Funcion = ?, Correl_Param = ? WHERE Numero = ? AND Argumento = ?"),
            {r.funcion, r.correlParam, r.numero, r.argumento});
    else
        runner.EjecutaSQL(
            QStringLiteral(
                "INSERT INTO PARAM (Numero, Argumento, Funcion, Correl_Param) VALUES (?, ?, ?, ?)"),
            {r.numero, r.argumento, r.funcion, r.correlParam});
}

void writeModuleParameters(StatementRunner& runner, const QList<SendingRecord>& sending)
{
    // The rate row an earlier version installed gives way to the current one.
    runner.EjecutaSQL(QStringLiteral("DELETE FROM PARAM WHERE Numero = ? AND Argumento = ?"),
                      {QStringLiteral("968"), QStringLiteral("010909120020601")});
    for (const ParameterRow& r : moduleParameterRows())
        GrabaParametro(runner, r);

    for (const ReportRow& report : moduleReports()) {
        if (runner.db().exists(QStringLiteral("SELECT 1 FROM reportes WHERE codigo = ?"), {report.codigo}))
            runner.EjecutaSQL(QStringLiteral("UPDATE reportes SET titulo = ?, flag = ? WHERE codigo = ?"),
                              {report.titulo, report.flag, report.codigo});
        else
            runner.EjecutaSQL(QStringLiteral("INSERT INTO reportes (codigo, titulo, flag) VALUES (?, ?, ?)"),
                              {report.codigo, report.titulo, report.flag});
    }

    writeSendingDirectory(runner, sending);
}
