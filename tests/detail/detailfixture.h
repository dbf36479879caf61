#pragma once

#include "appcontext.h"
#include "testhost.h"
#include "windowopener.h"

#include <QDate>

class QWidget;

/// The module's parameter rows (voucher types, rate ...) as the installer leaves them.
void installModuleParameters(HostDatabase& db);

/// Fixes "today" while it lives.
class FixedToday {
public:
    explicit FixedToday(const QDate& today);
    ~FixedToday();
    FixedToday(const FixedToday&) = delete;
    FixedToday& operator=(const FixedToday&) = delete;
};

/// A seeded integrator with the module installed, a declaration of the first seed declarant for
/// `period` at a 2 % rate, and the context the detail windows are given.
class DetailHost {
public:
    explicit DetailHost(const QString& period = QStringLiteral("201404"));
    TestHost host;
    ScriptedOpener opener;
    AppContext ctx;
    FixedToday today{QDate(2014, 6, 30)};
};

/// Types text into a field and leaves it, as a user tabbing on would.
void typeInto(QWidget* field, const QString& text);
/// Sends the focus changes a user makes between fields of a window.
void enter(QWidget* field);
void leave(QWidget* field);
