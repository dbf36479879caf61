#include "sendingdirectory.h"

#include "cp1252.h"
#include "statementrunner.h"
#include "vbformat.h"

#include <QFile>
#include <QStringList>

namespace {

const QString Formulario = QStringLiteral("0947");
constexpr int FieldCount = 13;

/// A field converted to a byte the way the installer's numbers are: rounded half to even, in
/// the range 0 to 255.
std::optional<int> byteField(const QString& text)
{
    const std::optional<Money> value = numericValue(text);
    if (!value)
        return std::nullopt;
    const std::int64_t whole = value->roundedHalfEven(0).units() / Money::Scale;
    if (whole < 0 || whole > 255)
        return std::nullopt;
    return int(whole);
}

/// Fills the record from the fields of one line; answers what is wrong, or an empty text.
QString parseRecord(const QStringList& fields, SendingRecord& record)
{
    record.tablaO = fields[1].trimmed();
    record.tablaD = fields[2].trimmed();
    record.tablaExt = fields[3].trimmed();
    int* const bytes[] = {&record.indice, &record.obliga, &record.cTipDocD};
    for (int i = 0; i < 3; ++i) {
        const std::optional<int> value = byteField(fields[4 + i]);
        if (!value)
            return QStringLiteral("el campo %1 no es un número de 0 a 255").arg(4 + i);
        *bytes[i] = *value;
    }
    double* const numbers[] = {&record.cDocIdD, &record.cFormulario, &record.cPeriodo,
                               &record.cEstado, &record.cEnvio,      &record.cSemana};
    for (int i = 0; i < 6; ++i) {
        const std::optional<double> value = numericDouble(fields[7 + i]);
        if (!value)
            return QStringLiteral("el campo %1 no es un número").arg(7 + i);
        *numbers[i] = *value;
    }
    return {};
}

} // namespace

QString sendingFilePath(const QString& folder)
{
    return folder + QStringLiteral("tmp/env947.txt");
}

SendingFile readSendingDirectory(const QString& path)
{
    SendingFile result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return result;
    result.found = true;
    const QStringList lines = decodeTextFile(file.readAll()).split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i];
        if (line.trimmed().isEmpty())
            break;
        const QStringList fields = line.split(QLatin1Char('|'));
        // Each field is followed by its separator, so 13 fields need 13 of them.
        if (fields.size() <= FieldCount) {
            result.problems.append({i + 1, QStringLiteral("tiene %1 de los %2 separadores \"|\"")
                                               .arg(fields.size() - 1)
                                               .arg(FieldCount)});
            continue;
        }
        SendingRecord record;
        const QString problem = parseRecord(fields, record);
        if (!problem.isEmpty()) {
            result.problems.append({i + 1, problem});
            continue;
        }
        result.records.append(record);
    }
    return result;
}

void writeSendingDirectory(StatementRunner& runner, const QList<SendingRecord>& records)
{
    for (const SendingRecord& r : records) {
        const QVariantList values = {r.tablaD,      r.tablaExt, r.indice,  r.obliga, r.cTipDocD, r.cDocIdD,
                                     r.cFormulario, r.cPeriodo, r.cEstado, r.cEnvio, r.cSemana};
        if (runner.db().exists(QStringLiteral("SELECT 1 FROM envio_t WHERE formulario = ? AND tabla_o = ?"),
                               {Formulario, r.tablaO})) {
            runner.EjecutaSQL(
                QStringLiteral("UPDATE envio_t SET tabla_d = ?, tabla_ext = ?, indice = ?, obliga = ?, "
                               "c_tip_doc_d = ?, c_doc_id_d = ?, c_Formulario = ?, c_periodo = ?, "
                               "c_estado = ?, c_envio = ?, c_semana = ? "
                               "WHERE formulario = ? AND tabla_o = ?"),
                values + QVariantList{Formulario, r.tablaO});
        } else {
            runner.EjecutaSQL(
                QStringLiteral("INSERT INTO envio_t (formulario, tabla_o, tabla_d, tabla_ext, indice, "
                               "obliga, c_tip_doc_d, c_doc_id_d, c_Formulario, c_periodo, c_estado, "
                               "c_envio, c_semana) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                QVariantList{Formulario, r.tablaO} + values);
        }
    }
}

QString installertext::sendingFileMissing(const QString& path)
{
    return QStringLiteral("No se encuentra el archivo ") + path + QLatin1Char('\n') +
           QStringLiteral("No se instaló el KOVA 0947.");
}

QString installertext::sendingLineSkipped(const QString& path, const SendingLineProblem& problem)
{
    return QStringLiteral("La línea %1 del archivo %2 %3; no se registra.")
        .arg(problem.line)
        .arg(path, problem.reason);
}
