#pragma once

#include <QList>
#include <QString>

class HostDatabase;

/// A bank of the integrator's bank table (PARAM 004).
struct Bank {
    QString codigo;  ///< the first two characters of the row key
    QString descrip; ///< the first 36 characters of the row
};

/// Every bank by code; the row "00" is not a bank.
QList<Bank> listBanks(HostDatabase& db);
