#include "startup.h"

#include "hostutilities.h"
#include "messages.h"
#include "windowsystem.h"

StartupOutcome runStartup(WindowSystem& windows, bool anotherCopyRunning, const HostUtilities& host,
                          Messages& messages)
{
    const std::optional<QList<TopWindow>> list = windows.topLevelWindows();
    if (!list || !CorreApp(*list, IntegratorTitle)) {
        const QString text =
            list ? NoIntegratorText : NoIntegratorText + QStringLiteral("\n\n") + NoWindowListText;
        messages.inform(text, NoIntegratorTitle, MsgIcon::Critical);
        return StartupOutcome::IntegratorMissing;
    }
    if (anotherCopyRunning) {
        messages.inform(AlreadyRunningText, AlreadyRunningTitle, MsgIcon::Information);
        return StartupOutcome::AlreadyRunning;
    }
    if (!host.PuedeContinuar())
        return StartupOutcome::GateClosed;
    return StartupOutcome::Continue;
}
