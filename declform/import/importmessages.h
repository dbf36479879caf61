#pragma once

#include "importrun.h"
#include "messages.h"

#include <QString>
#include <optional>

// The texts an import shows its user, beside the rules that choose them.
namespace importtext {
inline const QString Caption = QStringLiteral("Importar");
inline const QString Transferidos = QStringLiteral("Transferidos");
inline const QString Rechazados = QStringLiteral("Rechazados");
/// Counter captions before any run and after a file refused for its shape.
inline const QString NoneTransferred = QStringLiteral("0          Registros Transferidos");
inline const QString NoneRefused = QStringLiteral("0          Registros Rechazados");
/// Counter captions after the log could not be written.
inline const QString NoneImported = QStringLiteral("0 Importados");
inline const QString NoneRefusedShort = QStringLiteral("0 Rechazados");
} // namespace importtext

/// "3 Transferidos", "1 Rechazados".
QString counterCaption(qint64 count, const QString& what);

/// The message that ends a run that could not read its file through, or nothing for a run
/// that read it (Finished) or was cancelled.
std::optional<Message> Errores_Transferencia(const ImportResult& result);

/// The end of a run without refused lines.
Message transferredMessage(const QString& inputPath);
/// The question at the end of a run with refused lines (No by default).
Message refusedQuestion(const QString& logPath);
/// Where the error report was written, for when no preview is at hand.
Message reportWrittenMessage(const QString& reportPath);
/// A failure to write the error report.
Message reportFailedMessage(const QString& text);
