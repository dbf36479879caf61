#pragma once

#include <QString>

/// The process-wide values of a program, created once by its main and passed by reference.
/// The configuration part is filled by LeeConfiguracion; the rest belongs to declform's
/// windows, which set and read them as the user moves from one window to the next.
struct Session {
    // From KV000.INI.
    QString rutaSistema;    ///< integrator folder, ends with a separator when SysPath does
    QString rutaReportes;   ///< rutaSistema + "RPT"
    QString rutaBaseDatos;  ///< DBPath + DBName
    QString usuarioSistema; ///< SysUser

    // declform's shared values.
    QString numFormulario = QStringLiteral("0947");
    int modoOperacion = 0; ///< 0 new, 1 modify or register the order number, 2 print, 3 delete
    bool declaracionEnviada = false;
    QString numeroOrden;
    QString numeroControl;
    QString correlEnvio;
    QString rucDeclarante;
    QString periodoDeclaracion;
    QString tasaPercepcion = QStringLiteral("0");
    QString opcionSujeto;
    QString opcionComprobante;
    QString opcionDetalle;
    bool pagoIncompleto = false;
    QString archivoMensajes;
};
