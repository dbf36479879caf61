#include "application.h"
#include "messages.h"
#include "qtmessages.h"
#include "submissionprogram.h"
#include "summaryrun.h"
#include "textconversion.h"

#include <QCoreApplication>

namespace {
const QString ExitStatuses = QStringLiteral("Estado de salida: 0 resumen escrito, 2 no se pudo escribir o la "
                                            "declaración no existe (se escribe un resumen vacío).");
} // namespace

int main(int argc, char** argv)
{
    const std::unique_ptr<QCoreApplication> app = makeApplication(argc, argv);
    const std::unique_ptr<Messages> messages = createMessages();
    SubmissionProgram program(QStringLiteral("declsummary"), *messages);
    if (const std::optional<int> status = program.start(QCoreApplication::arguments().mid(1), ExitStatuses))
        return *status;
    return program.run([&] {
        try {
            if (runSubmissionSummary(program.session(), program.db(), program.args()).declarationFound)
                return exitstatus::Done;
            messages->inform(noDeclarationText(program.args()), SubmissionTitle, MsgIcon::Critical);
        } catch (const ConversionError&) {
            messages->inform(ReportFileMissingText, ReportFileMissingTitle, MsgIcon::Critical);
        }
        return exitstatus::NotDone;
    });
}
