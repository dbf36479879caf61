#include "application.h"
#include "checkrun.h"
#include "messages.h"
#include "qtmessages.h"
#include "submissionprogram.h"

#include <QCoreApplication>

namespace {
const QString ExitStatuses =
    QStringLiteral("Estado de salida: 0 sin inconsistencias, 1 con inconsistencias (reporte "
                   "y marca en TMP), 2 no se pudo verificar.");
} // namespace

int main(int argc, char** argv)
{
    const std::unique_ptr<QCoreApplication> app = makeApplication(argc, argv);
    const std::unique_ptr<Messages> messages = createMessages();
    SubmissionProgram program(QStringLiteral("declcheck"), *messages);
    if (const std::optional<int> status = program.start(QCoreApplication::arguments().mid(1), ExitStatuses))
        return *status;
    return program.run([&] {
        switch (runConsistencyCheck(program.session(), program.db(), program.args())) {
        case CheckVerdict::Passed:
            return exitstatus::Done;
        case CheckVerdict::Inconsistent:
            messages->inform(InconsistentText + checkFiles(program.session(), program.args()).report,
                             InconsistentTitle, MsgIcon::Critical);
            return exitstatus::Inconsistent;
        case CheckVerdict::NoDeclaration:
            break;
        }
        messages->inform(noDeclarationText(program.args()), SubmissionTitle, MsgIcon::Critical);
        return exitstatus::NotDone;
    });
}
