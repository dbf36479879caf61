#include "frmcontabrire.h"

#include "appcontext.h"
#include "declarationdelete.h"
#include "session.h"
#include "shellfiles.h"

#include <QTableView>

namespace {

using Field = DeclarationListModel::Field;

constexpr int CorrelColumn = 7;

const QList<DeclarationListModel::Column> columns = {
    {QStringLiteral("RUC"), Field::Ruc},
    {QStringLiteral("Razón Social"), Field::Nombre},
    {QStringLiteral("Periodo"), Field::Periodo},
    {QStringLiteral("Formulario"), Field::Formulario},
    {QStringLiteral("N. Orden"), Field::Norden},
    {QStringLiteral("Fecha Env."), Field::FecEnv},
    {QStringLiteral("Control"), Field::Control},
    {QStringLiteral("Correl"), Field::Correl},
    {QStringLiteral("Rectifica"), Field::Rectifica},
};

const ChooserTexts texts = {
    QStringLiteral("Declaraciones Enviadas"),
    QStringLiteral("Registrar número de orden"),
    QStringLiteral("&Registrar"),
    QStringLiteral(
        "Seleccione la Declaración en la que desea registrar el número de orden asignado por VALDEX :"),
    QStringLiteral("Eliminar Declaraciones Enviadas"),
    QStringLiteral("&Eliminar"),
    QStringLiteral("Seleccione la Declaración que desea eliminar :"),
};

} // namespace

FrmContAbrirE::FrmContAbrirE(AppContext& context, BarradeEstadoKOVA& statusBar, const ShellWindows& windows,
                             QWidget* parent)
    : DeclarationChooser(context, statusBar, windows, texts, columns, QSize(9195, 4530), parent)
{
    setObjectName(QStringLiteral("FrmContAbrirE"));
    setProperty("HelpContextID", helpcontext::DeclaracionesEnviadas);
    grid().setColumnHidden(CorrelColumn, true);
    load();
}

QList<DeclarationRow> FrmContAbrirE::readRows()
{
    return listSentDeclarations(m_context.db, m_context.session);
}

void FrmContAbrirE::deleteDeclaration(const DeclarationRow& row)
{
    deleteSentDeclaration(m_context.db, row);
}

void FrmContAbrirE::buttonPressed()
{
    // The declaration window finds the sending it shows through these values.
    const std::optional<DeclarationRow> row = selectedRow();
    Session& session = m_context.session;
    session.numeroOrden = row ? row->norden : QString();
    session.numeroControl = row ? row->control : QString();
    session.correlEnvio = row ? row->correl : QString();
}
