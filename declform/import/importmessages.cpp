#include "importmessages.h"

#include "vbformat.h"

namespace {
const QString MensajeTitle = QStringLiteral("Mensaje");
const QString ErrorTitle = QStringLiteral("Error");
const QString TryAgain = QStringLiteral("Intente nuevamente por favor.");

Message error(const QString& text, const QString& title = ErrorTitle)
{
    return {text, title, MsgIcon::Critical, MsgButtons::Ok, MsgAnswer::Ok};
}

Message logFailure(const ImportResult& result)
{
    if (result.errorNumber == 70)
        return error(result.errorText + QLatin1Char('\n') + QStringLiteral("Cierre el Archivo ") +
                     result.paths.log + QLatin1Char('\n') + TryAgain);
    return error(QStringLiteral("Error tecnico: ") + Str(static_cast<long long>(result.errorNumber)) +
                 QLatin1Char('\n') + result.errorText + QLatin1Char('\n') + TryAgain);
}

Message technicalError(const ImportResult& result)
{
    // A database held by another program.
    if (result.errorNumber == 3051)
        return error(QStringLiteral("El archivo se encuentra abierto!!") + QLatin1Char('\n') + TryAgain);
    return error(QStringLiteral("Error Tecnico:") + QLatin1Char(' ') + QString::number(result.errorNumber) +
                 QLatin1Char(' ') + result.errorText);
}
} // namespace

QString counterCaption(qint64 count, const QString& what)
{
    return QString::number(count) + QLatin1Char(' ') + what;
}

std::optional<Message> Errores_Transferencia(const ImportResult& result)
{
    switch (result.status) {
    case ImportStatus::Finished:
    case ImportStatus::Cancelled:
        return std::nullopt;
    case ImportStatus::NoFolder:
        return Message{QStringLiteral("Seleccionar directorio donde se encuentran") + QLatin1Char('\n') +
                           QStringLiteral("los archivos a transferir"),
                       MensajeTitle, MsgIcon::Information, MsgButtons::Ok, MsgAnswer::Ok};
    case ImportStatus::FileNotFound:
        return error(QStringLiteral(
            "En la ruta indicada, no se encuentra el archivo a transferir, verifique la ruta"));
    case ImportStatus::WrongFieldCount:
        return error(QStringLiteral("El archivo de importación no tiene el número de campos correctos"),
                     importtext::Caption);
    case ImportStatus::LineWithoutSeparator:
        return error(QStringLiteral("Cada línea del archivo debe terminar con el separador |"),
                     QStringLiteral("Error en archivo a cargar"));
    case ImportStatus::LogFailed:
        return logFailure(result);
    case ImportStatus::FileUnreadable:
    case ImportStatus::DatabaseFailed:
        return technicalError(result);
    }
    return std::nullopt;
}

Message transferredMessage(const QString& inputPath)
{
    return {QStringLiteral("Archivo : ") + inputPath + QStringLiteral(" transferido"), MensajeTitle,
            MsgIcon::Information, MsgButtons::Ok, MsgAnswer::Ok};
}

Message refusedQuestion(const QString& logPath)
{
    return {QStringLiteral("Algunos registros han sido rechazados!!") + QLatin1Char('\n') +
                QStringLiteral("Verifique Archivo Log: ") + logPath + QLatin1Char('\n') +
                QStringLiteral("¿Desea Visualizar Reporte de errores?"),
            QStringLiteral("Confirmar"), MsgIcon::Question, MsgButtons::YesNo, MsgAnswer::No};
}

Message reportWrittenMessage(const QString& reportPath)
{
    return {QStringLiteral("El reporte de errores se encuentra en ") + reportPath, MensajeTitle,
            MsgIcon::Information, MsgButtons::Ok, MsgAnswer::Ok};
}

Message reportFailedMessage(const QString& text)
{
    return error(QStringLiteral("Error Técnico : (75) ") + text, QStringLiteral("Impresión"));
}
