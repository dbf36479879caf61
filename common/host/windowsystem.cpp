#include "windowsystem.h"

bool CorreApp(const QList<TopWindow>& windows, const QString& title)
{
    for (const TopWindow& w : windows)
        if (w.visible && !w.caption.isEmpty() && w.caption == title)
            return true;
    return false;
}

bool hasDisplay()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}
