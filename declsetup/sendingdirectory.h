#pragma once

#include <QList>
#include <QString>

class StatementRunner;

/// One record of the sending directory shipped with the module (tmp/env947.txt): how the
/// integrator copies and sends one module table.
struct SendingRecord {
    QString tablaO;
    QString tablaD;
    QString tablaExt;
    int indice = 0;
    int obliga = 0;
    int cTipDocD = 0;
    double cDocIdD = 0;
    double cFormulario = 0;
    double cPeriodo = 0;
    double cEstado = 0;
    double cEnvio = 0;
    double cSemana = 0;
};

/// A record line that could not be used, by its line number (from 1).
struct SendingLineProblem {
    int line = 0;
    QString reason;
};

struct SendingFile {
    bool found = false;
    QList<SendingRecord> records;
    QList<SendingLineProblem> problems;
};

/// The sending-directory file of an integrator folder: folder + "tmp/env947.txt".
QString sendingFilePath(const QString& folder);

/// Reads the records, one a line, each of 13 fields followed by "|", up to the end of the file
/// or the first blank line. A line with too few fields or a number field that is not a number
/// is listed in `problems` and left out; the lines after it are still read.
SendingFile readSendingDirectory(const QString& path);

/// Writes the records into envio_t for form 0947: a row that exists (by tabla_o) is updated in
/// place, a new one inserted.
void writeSendingDirectory(StatementRunner& runner, const QList<SendingRecord>& records);

namespace installertext {
QString sendingFileMissing(const QString& path);
QString sendingLineSkipped(const QString& path, const SendingLineProblem& problem);
} // namespace installertext
