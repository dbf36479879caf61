#include "application.h"
#include "declformwindows.h"
#include "hostutilities.h"
#include "mdifrm.h"
#include "qtmessages.h"
#include "session.h"
#include "singleinstance.h"
#include "startup.h"
#include "windowopener.h"
#include "windowsystem.h"

#include <QApplication>

int main(int argc, char** argv)
{
    // Without a display server there is no QApplication to be had; the start-up check then
    // refuses on the console instead of the program crashing.
    const std::unique_ptr<QCoreApplication> app = makeApplication(argc, argv);
    const std::unique_ptr<Messages> messages = createMessages();
    const std::unique_ptr<WindowSystem> windows = createWindowSystem();
    const SingleInstance instance(QStringLiteral("declform"));
    // The integrator's utility object is part of the program: creating it cannot fail.
    HostUtilities host(*messages);

    if (runStartup(*windows, !instance.isFirst(), host, *messages) != StartupOutcome::Continue)
        return 1;
    if (!qobject_cast<QApplication*>(app.get()))
        return 1;

    Session session;
    WindowOpener opener;
    MDIFrm mainWindow(session, *messages, host, opener);
    mainWindow.show();
    if (!mainWindow.load())
        return 1;
    const DeclformWindows wiring(mainWindow);
    return app->exec();
}
