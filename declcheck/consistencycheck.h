#pragma once

#include <QString>
#include <QStringList>
#include <stdexcept>

class HostDatabase;
struct SubmissionArgs;

/// A check met data it cannot balance, such as an amount that is not a number.
class CheckError : public std::runtime_error {
public:
    explicit CheckError(const QString& message) : std::runtime_error(message.toStdString()) {}
};

/// Balances a saved declaration before it is sent: its boxes against the detail of the module
/// tables, the receipts against their subjects and the vouchers against their receipts. Each
/// disagreement is one message beginning with ")"; a check that cannot be completed ends with
/// a message saying why, and the checks after it still run. No message means it balances.
QStringList checkDeclaration(HostDatabase& db, const SubmissionArgs& args);
