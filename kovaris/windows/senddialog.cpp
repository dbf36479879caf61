#include "senddialog.h"

#include "dberror.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

SendDialog::SendDialog(const Session& session, HostDatabase& db, QWidget* parent)
    : QDialog(parent), m_session(session), m_db(db)
{
    setObjectName(QStringLiteral("SendDialog"));
    setWindowTitle(QStringLiteral("Enviar declaración"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Declaraciones grabadas del formulario 0947:"), this));

    m_list = new QTableWidget(0, 4, this);
    m_list->setObjectName(QStringLiteral("GrdDeclaraciones"));
    m_list->setHorizontalHeaderLabels({QStringLiteral("RUC"), QStringLiteral("Razón Social"),
                                       QStringLiteral("Periodo"), QStringLiteral("Rectifica")});
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->verticalHeader()->hide();
    m_list->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    layout->addWidget(m_list, 1);

    m_result = new QPlainTextEdit(this);
    m_result->setObjectName(QStringLiteral("TxtResultado"));
    m_result->setReadOnly(true);
    m_result->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_result->setPlaceholderText(QStringLiteral("Aquí se muestra el resultado del envío."));
    layout->addWidget(m_result, 2);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* send = buttons->addButton(QStringLiteral("&Enviar"), QDialogButtonBox::ActionRole);
    send->setObjectName(QStringLiteral("CmdEnviar"));
    QPushButton* close = buttons->addButton(QStringLiteral("&Cerrar"), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("CmdCerrar"));
    layout->addWidget(buttons);
    connect(send, &QPushButton::clicked, this, &SendDialog::sendChosen);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_list, &QTableWidget::itemSelectionChanged, this,
            [this, send] { send->setEnabled(!m_list->selectedItems().isEmpty()); });

    resize(720, 520);
    reload();
}

void SendDialog::reload()
{
    try {
        m_declarations = integrator::sendableDeclarations(m_db, m_session);
    } catch (const DbError& e) {
        m_declarations.clear();
        m_result->setPlainText(errorBoxText(e));
    }
    m_list->setRowCount(int(m_declarations.size()));
    for (int row = 0; row < m_declarations.size(); ++row) {
        const integrator::SavedDeclaration& d = m_declarations[row];
        const QStringList cells = {
            d.ruc, d.nombre, d.periodo.mid(4, 2) + QLatin1Char('/') + d.periodo.left(4),
            d.rectifica == QLatin1String("1") ? QStringLiteral("Sí") : QStringLiteral("No")};
        for (int column = 0; column < cells.size(); ++column)
            m_list->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
    m_list->resizeColumnToContents(0);
    if (!m_declarations.isEmpty())
        m_list->selectRow(0);
    else
        m_list->clearSelection();
    if (auto* send = findChild<QPushButton*>(QStringLiteral("CmdEnviar")))
        send->setEnabled(!m_declarations.isEmpty());
}

void SendDialog::sendChosen()
{
    const int row = m_list->currentRow();
    if (row < 0 || row >= m_declarations.size())
        return;
    const integrator::SavedDeclaration chosen = m_declarations[row];
    QApplication::setOverrideCursor(Qt::WaitCursor);
    setEnabled(false);
    m_outcome = integrator::sendDeclaration(m_session, m_db, {chosen.ruc, chosen.periodo});
    setEnabled(true);
    QApplication::restoreOverrideCursor();
    m_result->setPlainText(m_outcome.message + (m_outcome.reportText.isEmpty()
                                                    ? QString()
                                                    : QStringLiteral("\n\n") + m_outcome.reportText));
    reload();
}
