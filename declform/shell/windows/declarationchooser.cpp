#include "declarationchooser.h"

#include "appcontext.h"
#include "barradeestadokova.h"
#include "dberror.h"
#include "messages.h"
#include "session.h"

#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

namespace {
constexpr int NameColumn = 1;
constexpr int ColumnPadding = 12;
} // namespace

DeclarationChooser::DeclarationChooser(AppContext& context, BarradeEstadoKOVA& statusBar,
                                       const ShellWindows& windows, const ChooserTexts& texts,
                                       QList<DeclarationListModel::Column> columns, QSize sizeInTwips,
                                       QWidget* parent)
    : QDialog(parent), m_context(context), m_statusBar(statusBar), m_windows(windows)
{
    m_deleteMode = context.session.modoOperacion == 3;
    setWindowTitle(m_deleteMode ? texts.deleteCaption : texts.modifyCaption);

    m_label = new QLabel(m_deleteMode ? texts.deleteInstruction : texts.modifyInstruction, this);
    m_label->setObjectName(QStringLiteral("Label1"));
    m_label->setWordWrap(true);

    m_frame = new QGroupBox(texts.frameCaption, this);
    m_frame->setObjectName(QStringLiteral("Frame1"));
    m_model = new DeclarationListModel(std::move(columns), this);
    m_model->setObjectName(QStringLiteral("DtaNew"));
    m_grid = declarationGrid(*m_model, m_frame);
    m_grid->horizontalHeader()->setSectionsClickable(true);
    auto* frameLayout = new QVBoxLayout(m_frame);
    frameLayout->addWidget(m_grid);

    m_action = new QPushButton(m_deleteMode ? texts.deleteButton : texts.modifyButton, this);
    m_action->setObjectName(QStringLiteral("CmdOpciones_0"));
    m_salir = new QPushButton(QStringLiteral("&Salir"), this);
    m_salir->setObjectName(QStringLiteral("CmdOpciones_1"));
    m_action->setAutoDefault(false);
    m_salir->setAutoDefault(false);
    // Modifying opens the declaration window, which another part of the program provides.
    m_action->setEnabled(m_deleteMode || static_cast<bool>(windows.declaration));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_action);
    buttons->addWidget(m_salir);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_label);
    layout->addWidget(m_frame, 1);
    layout->addLayout(buttons);
    resize(twips(sizeInTwips.width()), twips(sizeInTwips.height()));

    connect(m_action, &QPushButton::clicked, this, &DeclarationChooser::runAction);
    connect(m_salir, &QPushButton::clicked, this, [this] {
        buttonPressed();
        reject();
    });
    connect(m_grid, &QTableView::doubleClicked, m_action, &QPushButton::click);
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] {
        if (isEnabled())
            showSelected();
    });
}

std::optional<DeclarationRow> DeclarationChooser::selectedRow() const
{
    const int position = currentPosition();
    if (position < 0)
        return std::nullopt;
    return m_model->rows().at(position);
}

int DeclarationChooser::currentPosition() const
{
    const int row = m_grid->currentIndex().row();
    return row >= 0 && row < m_model->rowCount() ? row : -1;
}

void DeclarationChooser::load()
{
    showRows(readRows(), 0);
}

void DeclarationChooser::fitColumns()
{
    // The columns take the width their texts need; the window grows from its usual size
    // (never past the screen) so that no column is cut, and any room left goes to the name.
    QHeaderView* header = m_grid->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Interactive);
    m_grid->resizeColumnsToContents();
    int columnsWidth = 0;
    for (int col = 0; col < m_model->columnCount(); ++col)
        if (!m_grid->isColumnHidden(col))
            columnsWidth += m_grid->columnWidth(col) + ColumnPadding;
    layout()->activate();
    const int chrome = width() - m_grid->viewport()->width();
    int wanted = std::max(width(), columnsWidth + chrome + m_grid->verticalScrollBar()->sizeHint().width());
    if (const QScreen* screen = this->screen())
        wanted = std::min(wanted, screen->availableGeometry().width() * 9 / 10);
    resize(wanted, height());
    for (int col = 0; col < m_model->columnCount(); ++col)
        m_grid->setColumnWidth(col, m_grid->columnWidth(col) + ColumnPadding);
    header->setSectionResizeMode(NameColumn, QHeaderView::Stretch);
}

bool DeclarationChooser::reread(int position)
{
    try {
        showRows(readRows(), position);
        m_lastReadFailed = false;
        return true;
    } catch (const DbError& error) {
        // Closing the box activates the chooser again; a failure is reported once, not in a loop.
        if (!m_lastReadFailed)
            m_context.messages.inform(errorBoxText(error), ErrorTitle, MsgIcon::None);
        m_lastReadFailed = true;
        return false;
    }
}

void DeclarationChooser::showRows(QList<DeclarationRow> rows, int position)
{
    m_model->setRows(std::move(rows));
    // A re-read can bring longer texts (an order number just registered) than the columns hold.
    fitColumns();
    const int count = m_model->rowCount();
    m_grid->setEnabled(count > 0);
    if (count > 0)
        m_grid->setCurrentIndex(m_model->index(std::clamp(position, 0, count - 1), 0));
}

void DeclarationChooser::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    // An activation that arrives after "&Salir" has hidden the chooser would fill the status bar
    // that leaving has just emptied.
    if (event->type() != QEvent::ActivationChange || !isActiveWindow() || !isEnabled() || !isVisible())
        return;
    reread(std::max(currentPosition(), 0));
    if (m_grid->isEnabled())
        m_grid->setFocus();
}

void DeclarationChooser::runAction()
{
    buttonPressed();
    if (m_deleteMode)
        deleteSelected();
    else
        openDeclaration();
}

void DeclarationChooser::openDeclaration()
{
    if (!mayOpenDeclaration())
        return;
    const std::optional<DeclarationRow> row = selectedRow();
    if (!row || !m_windows.declaration)
        return;
    const int position = currentPosition();
    setEnabled(false);
    openFresh(m_context, [&] { return m_windows.declaration(*this, row); });
    reread(position);
    setEnabled(true);
}

void DeclarationChooser::deleteSelected()
{
    const std::optional<DeclarationRow> row = selectedRow();
    if (!row)
        return;
    if (!m_context.messages.ask(ConfirmDeleteText, windowTitle(), MsgAnswer::No))
        return;
    const int position = currentPosition();
    try {
        deleteDeclaration(*row);
    } catch (const DbError& error) {
        m_context.messages.inform(errorBoxText(error), ErrorTitle, MsgIcon::None);
    }
    reread(position);
}

void DeclarationChooser::showSelected()
{
    const std::optional<DeclarationRow> row = selectedRow();
    if (row)
        m_statusBar.showDeclarant(row->ruc.trimmed(), row->nombre.trimmed(), m_context.session.numFormulario,
                                  row->periodoMMYYYY());
}

void DeclarationChooser::reject()
{
    m_statusBar.showDeclarant(QString(), QString(), m_context.session.numFormulario, QString());
    QDialog::reject();
}
