#include "frmcontabrir.h"

#include "appcontext.h"
#include "declarationdelete.h"
#include "hostutilities.h"
#include "shellfiles.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QTableView>

namespace {

using Field = DeclarationListModel::Field;

const QList<DeclarationListModel::Column> columns = {
    {QStringLiteral("RUC"), Field::Ruc},
    {QStringLiteral("Razón Social"), Field::Nombre},
    {QStringLiteral("Periodo"), Field::Periodo},
    {QStringLiteral("Formulario"), Field::Formulario},
    {QString(), Field::Estado},
    {QStringLiteral("rectifica"), Field::Rectifica},
};

const ChooserTexts texts = {
    QStringLiteral("Declaraciones Registradas"),
    QStringLiteral("Modificar Declaraciones"),
    QStringLiteral("&Modificar"),
    QStringLiteral("Seleccione la Declaración que desea modificar :"),
    QStringLiteral("Eliminar Declaraciones"),
    QStringLiteral("&Eliminar"),
    QStringLiteral("Seleccione la Declaración que desea eliminar :"),
};

} // namespace

FrmContAbrir::FrmContAbrir(AppContext& context, BarradeEstadoKOVA& statusBar, const ShellWindows& windows,
                           QWidget* parent)
    : DeclarationChooser(context, statusBar, windows, texts, columns, QSize(7755, 4530), parent)
{
    setObjectName(QStringLiteral("FrmContAbrir"));
    setProperty("HelpContextID", helpcontext::DeclaracionesRegistradas);
    grid().installEventFilter(this);
    connect(grid().horizontalHeader(), &QHeaderView::sectionClicked, this, &FrmContAbrir::orderBy);
    load();
}

QList<DeclarationRow> FrmContAbrir::readRows()
{
    return listSavedDeclarations(m_context.db, m_context.session, m_order);
}

void FrmContAbrir::deleteDeclaration(const DeclarationRow& row)
{
    deleteSavedDeclaration(m_context.db, row);
}

bool FrmContAbrir::mayOpenDeclaration()
{
    return m_context.host.PuedeContinuar();
}

void FrmContAbrir::orderBy(int column)
{
    // Only the RUC and name headers order the list; the order holds for later readings too.
    if (column == 0)
        m_order = ListOrder::Ruc;
    else if (column == 1)
        m_order = ListOrder::Nombre;
    else
        return;
    reread(0);
}

bool FrmContAbrir::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &grid() && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            actionButton().click();
            return true;
        }
        // Typed characters are not a search in this list; moving keys still move.
        if (!key->text().isEmpty() && key->text().at(0).isPrint())
            return true;
    }
    return DeclarationChooser::eventFilter(watched, event);
}
