#pragma once

#include <QString>

class HostUtilities;
class Messages;
class WindowSystem;

/// Caption of the integrator's main window; declform only works while it is on the desktop.
inline const QString IntegratorTitle = QStringLiteral("Kovaris");

inline const QString NoIntegratorText =
    QStringLiteral("Debe ejecutar este módulo desde el Integrador del KOVA.");
inline const QString NoIntegratorTitle = QStringLiteral("Error al ejecutar el módulo");
/// Added to the no-integrator message when the desktop cannot even be asked for its windows.
inline const QString NoWindowListText = QStringLiteral(
    "No hay un servidor de pantalla en esta sesión, así que no se puede ver la ventana del Integrador.");
inline const QString AlreadyRunningText = QStringLiteral("La Aplicación ya se encuentra en ejecución.");
inline const QString AlreadyRunningTitle = QStringLiteral("Rentalia");

enum class StartupOutcome {
    Continue,          ///< show the main window
    IntegratorMissing, ///< no visible integrator window (or no window list at all)
    AlreadyRunning,    ///< another copy of declform runs
    GateClosed,        ///< the integrator does not let work begin; nothing is shown
};

/// The checks made before declform shows its main window, in this order: the integrator's
/// window is on the desktop, no other copy runs, the integrator lets work begin. The first
/// refusal shows its message (none for the gate) and decides the outcome.
StartupOutcome runStartup(WindowSystem& windows, bool anotherCopyRunning, const HostUtilities& host,
                          Messages& messages);
