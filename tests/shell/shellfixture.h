#pragma once

#include "appcontext.h"
#include "barradeestadokova.h"
#include "openwindow.h"
#include "testhost.h"
#include "windowopener.h"

#include <QDialog>
#include <QStringList>
#include <memory>

class HostDatabase;

// Declarants of the seed data, all of the user ADMIN.
inline const QString Andina = QStringLiteral("20100123453");   // DISTRIBUIDORA ANDINA S.A.C.
inline const QString Pacifico = QStringLiteral("20555666773"); // COMBUSTIBLES DEL PACIFICO S.A.
inline const QString Quispe = QStringLiteral("10405060707");   // QUISPE MAMANI JUAN CARLOS

/// The tables that hold a saved declaration, and those that hold one sending of a sent one.
inline const QStringList SavedTables = {QStringLiteral("DET"),        QStringLiteral("CAB"),
                                        QStringLiteral("F947PDETCP"), QStringLiteral("F947PDET"),
                                        QStringLiteral("F947PDETVC"), QStringLiteral("F947PCAB")};
inline const QStringList SentTables = {QStringLiteral("HDET"),        QStringLiteral("HCAB"),
                                       QStringLiteral("HF947PDETCP"), QStringLiteral("HF947PDET"),
                                       QStringLiteral("HF947PDETVC"), QStringLiteral("HF947PCAB")};

/// Stores a saved declaration with a row in each of its tables.
void storeSaved(HostDatabase& db, const QString& ruc, const QString& periodo, int estado = 0);
/// Stores one sending of a declaration with a row in each history table.
void storeSent(HostDatabase& db, const QString& ruc, const QString& periodo, const QString& correl,
               const QString& norden = QString());
/// The declaration's row count in each table as "TABLE=n" texts, so a failed comparison names
/// the table; with a correl only that sending counts.
QStringList rowCounts(HostDatabase& db, const QStringList& tables, const QString& ruc, const QString& periodo,
                      const QString& correl = QString());

/// A seeded integrator with what declform's windows are given, a status bar and the windows
/// the shell borrows from the rest of the program, made as plain dialogs that record how they
/// were asked for.
struct ShellHost {
    ShellHost();

    TestHost host;
    ScriptedOpener opener;
    AppContext context;
    BarradeEstadoKOVA statusBar;
    ShellWindows windows;
    QList<std::optional<DeclarationRow>> declarationRequests;
    int printRequests = 0;
    /// Whether the window that asked for the declaration window was disabled at that moment.
    bool openerWasDisabled = false;

    /// Makes the integrator stop its modules (PuedeContinuar answers false) or lets them go on.
    void setStopped(bool stopped);
};

/// A list of texts written as plain literals.
inline QStringList strings(std::initializer_list<const char*> texts)
{
    QStringList list;
    for (const char* text : texts)
        list.append(QString::fromUtf8(text));
    return list;
}

/// A plain dialog standing in for a window another part of the program provides.
std::unique_ptr<QDialog> standIn(const char* name, QWidget& parent);
