// The boxes of the declaration window and its list of subjects with the detail commands.
#include "frm947.h"

#include "boxes.h"
#include "entryedit.h"
#include "formadepagokova.h"
#include "lists.h"
#include "session.h"
#include "storedboxes.h"
#include "vbformat.h"
#include "windowsupport.h"

#include <QComboBox>
#include <QLabel>
#include <QScopedValueRollback>
#include <QStandardItemModel>
#include <QTableView>

namespace {
const QString ConfirmaEliminar = QStringLiteral("¿Confirma que va a eliminar la información?");
const QString GridAmount = QStringLiteral("###,###,###,##0.#0");

QStandardItem* cell(const QString& text, bool amount = false)
{
    auto* item = new QStandardItem(amount ? Format(text, GridAmount) : text);
    if (amount)
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}
} // namespace

bool Frm947::RecuperaCasillas()
{
    StoredDeclaration stored = declaracion();
    // A new declaration has no stored boxes to find.
    stored.key.periodo = nueva() ? QString() : periodKey(periodText(m_opening.periodo));
    const StoredBoxes found = leeCasillas(m_ctx.db, stored);
    for (const auto& [box, value] : found.boxes)
        MuestraCasilla(box, value);
    if (found.hasHeader) {
        m_pago->setBanco(found.banco);
        m_pago->setNumeroCheque(found.numeroCheque);
        if (enviada())
            m_pago->setEstado(QStringLiteral("0"));
    }
    return !found.boxes.isEmpty();
}

void Frm947::MuestraCasilla(int box, const QString& value)
{
    const BoxDisplay shown = ::MuestraCasilla(box, value);
    switch (shown.kind) {
    case BoxDisplay::Amount:
        m_boxes[box]->setText(shown.text);
        break;
    case BoxDisplay::Modalidad:
        for (int i = 0; i < m_cmbModPer->count(); ++i)
            if (numeroModalidad(m_cmbModPer->itemData(i).toString()) == shown.text) {
                m_cmbModPer->setCurrentIndex(i);
                break;
            }
        break;
    case BoxDisplay::Rectifica:
        m_rectifica = shown.text;
        break;
    case BoxDisplay::FormaPago:
        m_pago->setFormapago(shown.text);
        break;
    case BoxDisplay::Ignored:
        break;
    }
}

void Frm947::onBoxChanged(int box)
{
    const auto text = [this](int b) { return m_boxes[b]->text(); };
    switch (box) {
    case 401:
    case 402:
        if (m_boxes.contains(403))
            m_boxes[403]->setText(Calcular403(text(401), text(402)));
        break;
    case 403:
    case 404:
        if (m_boxes.contains(405))
            m_boxes[405]->setText(Calcular405(text(403), text(404)));
        break;
    case 410:
        m_pago->setImporte(CalcularTotal(text(410)));
        break;
    default:
        break;
    }
}

void Frm947::onBoxEntered(int box)
{
    EntryEdit* field = m_boxes[box];
    field->setText(textoAlEntrar(box, field->text()));
    field->setMaxLength(largoAlEntrar());
}

void Frm947::onBoxLeft(int box)
{
    EntryEdit* field = m_boxes[box];
    field->setMaxLength(largoAlSalir(box));
    field->setText(textoAlSalir(box, field->text()));
}

int Frm947::filaActual() const
{
    if (m_rows.isEmpty())
        return -1;
    return std::clamp(m_grid->currentIndex().row(), 0, int(m_rows.size()) - 1);
}

void Frm947::refrescaLista()
{
    QScopedValueRollback<bool> refreshing(m_refreshing, true);
    const int keep = filaActual();
    m_rows = listaSujetos(m_ctx.db);
    m_subjects->setRowCount(0);
    for (const SubjectRow& row : m_rows)
        m_subjects->appendRow({cell(row.numDocPer), cell(row.desRazon), cell(row.mtoBaseP, true),
                               cell(row.mtoImpP, true), cell(row.desApellidoP), cell(row.desApellidoM),
                               cell(row.desNombres)});
    if (!m_rows.isEmpty())
        m_grid->setCurrentIndex(m_subjects->index(std::clamp(keep, 0, int(m_rows.size()) - 1), 0));
}

void Frm947::refrescaConteo()
{
    m_numSujetos = QString::number(m_rows.size());
    m_lblNumTrab->setText(m_numSujetos + QStringLiteral("   Registros      "));
}

void Frm947::refrescaTotales()
{
    const DetailTotals totals = totalesDetalle(m_ctx.db);
    m_txtBase->setText(totals.base);
    m_txtPercepcion->setText(totals.percepcion);
    m_boxes[401]->setText(Format(totals.percepcion, QStringLiteral("###,###,###,###,###")));
}

void Frm947::totalesAlAbrir()
{
    const DetailTotals totals = ::totalesAlAbrir(m_ctx.db);
    m_txtBase->setText(totals.base);
    m_txtPercepcion->setText(totals.percepcion);
}

void Frm947::onOpciones(int index)
{
    guarded([&] {
        Session& session = m_ctx.session;
        const int row = filaActual();
        switch (index) {
        case 0:
        case 1:
            if (!m_hooks.openSubject || (index == 1 && row < 0))
                return;
            session.opcionSujeto = QString::number(index);
            session.rucDeclarante = ruc();
            session.periodoDeclaracion = periodo();
            m_posicionSujeto = row;
            m_hooks.openSubject(*this, {session.opcionSujeto, index == 1 ? m_rows[row] : SubjectRow{}});
            break;
        case 2: {
            if (row < 0 || !pregunta(ConfirmaEliminar, MsgAnswer::No))
                return;
            WaitCursor wait;
            eliminaSujeto(m_ctx.db, m_rows[row].numDocPer);
            break;
        }
        case 3:
            if (!m_hooks.openImport)
                return;
            session.opcionSujeto = QStringLiteral("3");
            session.rucDeclarante = ruc();
            session.periodoDeclaracion = periodo();
            m_hooks.openImport(*this);
            break;
        default:
            return;
        }
        m_modificado = true;
        WaitCursor wait;
        Activacion();
        if (index == 1 && m_posicionSujeto >= 0 && m_posicionSujeto < m_rows.size()) {
            QScopedValueRollback<bool> refreshing(m_refreshing, true);
            m_grid->setCurrentIndex(m_subjects->index(m_posicionSujeto, 0));
        }
        refrescaConteo();
        // The totals and box 401 follow the detail as it now is, also when no subject is left.
        refrescaTotales();
    });
}
