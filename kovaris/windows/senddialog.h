#pragma once

#include "sendflow.h"

#include <QDialog>

class QPlainTextEdit;
class QTableWidget;

/// "Enviar declaración": the saved declarations the user may send; the chosen one is sent
/// with the integrator's sending, and its outcome is shown below the list.
class SendDialog : public QDialog {
    Q_OBJECT
public:
    SendDialog(const Session& session, HostDatabase& db, QWidget* parent = nullptr);

    /// The outcome of the last sending, if any.
    const integrator::SendOutcome& lastOutcome() const { return m_outcome; }

private:
    void reload();
    void sendChosen();

    const Session& m_session;
    HostDatabase& m_db;
    QList<integrator::SavedDeclaration> m_declarations;
    integrator::SendOutcome m_outcome;
    QTableWidget* m_list = nullptr;
    QPlainTextEdit* m_result = nullptr;
};
