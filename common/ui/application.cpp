#include "application.h"

#include "windowsystem.h"

#include <QApplication>

std::unique_ptr<QCoreApplication> makeApplication(int& argc, char** argv)
{
    if (hasDisplay())
        return std::make_unique<QApplication>(argc, argv);
    return std::make_unique<QCoreApplication>(argc, argv);
}
