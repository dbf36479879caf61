#include "reportdriver.h"

#include "dberror.h"
#include "reportwriter.h"
#include "waitcursor.h"

#include <optional>

namespace {
const QString PrintTitle = QStringLiteral("Impresión");
const QString NoPrinterText = QStringLiteral("No existe una impresora seleccionada.Verifique.");
const QString CancelledText = QStringLiteral("La Impresión ha sido Cancelada.");
const QString NoDataText = QStringLiteral("No Existe Información a Imprimir.Verifique.");

struct Failure {
    int number;
    QString description;
};

// Runs the writer; the file is closed when this returns, whatever happened.
std::optional<Failure> runWriter(const ReportKinds& kinds, int kind, const QString& path,
                                 const QVariant& parameter, int& pages)
{
    WaitCursor wait;
    try {
        const ReportKindWriter* writer = kinds.find(kind);
        if (!writer)
            return Failure{reporterror::UnknownKind,
                           QStringLiteral("Tipo de reporte no registrado: ") + QString::number(kind)};
        ReportWriter file(path);
        pages = (*writer)(file, parameter);
        file.close();
        return std::nullopt;
    } catch (const ReportRunError& e) {
        return Failure{e.number(), e.description()};
    } catch (const DbError& e) {
        return Failure{e.number(), e.text()};
    } catch (const ReportError& e) {
        return Failure{reporterror::FileAccess, e.message()};
    } catch (const std::exception& e) {
        return Failure{reporterror::Internal, QString::fromUtf8(e.what())};
    }
}
} // namespace

Message reportFailureMessage(int number, const QString& description)
{
    QString text;
    switch (number) {
    case reporterror::NoPrinter:
        text = NoPrinterText;
        break;
    case reporterror::Cancelled:
        text = CancelledText;
        break;
    case reporterror::NoData:
        text = NoDataText;
        break;
    default:
        text = QStringLiteral("Error Técnico : (") + QString::number(number) + QStringLiteral(") ") +
               description;
        break;
    }
    return {text, PrintTitle, MsgIcon::Critical, MsgButtons::Ok, MsgAnswer::Ok};
}

const ReportKindWriter* ReportKinds::find(int kind) const
{
    const auto it = m_writers.constFind(kind);
    return it == m_writers.cend() ? nullptr : &it.value();
}

ReportRun ImprimeReporte(const ReportKinds& kinds, Messages& messages, int kind, const QString& path,
                         const QVariant& parameter)
{
    int pages = 0;
    if (const std::optional<Failure> failure = runWriter(kinds, kind, path, parameter, pages)) {
        messages.show(reportFailureMessage(failure->number, failure->description));
        return {};
    }
    return {true, qMax(1, pages)};
}
