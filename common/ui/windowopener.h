#pragma once

#include <QStringList>
#include <deque>
#include <functional>

class QDialog;

/// Opens windows modally. Every window of the programs opens its children through the one
/// opener it was given, so tests can drive a child window without a nested event loop.
class WindowOpener {
public:
    virtual ~WindowOpener() = default;
    /// Shows the dialog modally (hourglass restored by the caller) and answers its result.
    virtual int openModal(QDialog& dialog);
};

/// For tests: each modal opening takes the next queued driver, which receives the dialog
/// already shown and works it like a user (clicks, typing, closing); the opening then answers
/// the dialog's result. With no driver queued the dialog is only recorded.
class ScriptedOpener : public WindowOpener {
public:
    using Driver = std::function<void(QDialog&)>;
    int openModal(QDialog& dialog) override;
    void expect(Driver driver) { m_drivers.push_back(std::move(driver)); }
    /// objectName of every dialog opened, in order.
    const QStringList& opened() const { return m_opened; }

private:
    std::deque<Driver> m_drivers;
    QStringList m_opened;
};
