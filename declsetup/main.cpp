#include "application.h"
#include "installer.h"
#include "qtmessages.h"

int main(int argc, char** argv)
{
    const std::unique_ptr<QCoreApplication> app = makeApplication(argc, argv);
    const std::unique_ptr<Messages> messages = createMessages();
    return static_cast<int>(runInstaller(*messages));
}
