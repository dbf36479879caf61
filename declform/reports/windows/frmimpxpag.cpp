#include "frmimpxpag.h"

#include "appcontext.h"
#include "messages.h"
#include "muestrareporte.h"
#include "pagerange.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace {
const QString Warning = QStringLiteral("Si su consulta contiene más de 10 páginas puede\n"
                                       "ocasionar la caida del programa debido a la saturación de \n"
                                       "la memoria de la computadora.\n"
                                       "Se recomienda imprimir en rangos no mayores a 10 páginas.");

QLineEdit* pageBox(const QString& name, QWidget* parent)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,5}")), box));
    box->setMaximumWidth(70);
    box->setAlignment(Qt::AlignRight);
    return box;
}

QPushButton* actionButton(int index, const QString& text, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QStringLiteral("cmdAccion_") + QString::number(index));
    // Enter in the page boxes moves the focus instead of pressing a button.
    button->setAutoDefault(false);
    return button;
}
} // namespace

frmImpxPag::frmImpxPag(AppContext& ctx, const QString& fileName, int totalPages, QWidget* parent)
    : QDialog(parent), m_ctx(ctx), m_fileName(fileName), m_totalPages(totalPages)
{
    setObjectName(QStringLiteral("frmImpxPag"));
    setWindowTitle(QStringLiteral("Impresión de ") + QString::number(totalPages) +
                   QStringLiteral(" páginas"));

    auto* total = new QLineEdit(QString::number(totalPages), this);
    total->setObjectName(QStringLiteral("txtTotPaginas"));
    total->setReadOnly(true);
    total->setFocusPolicy(Qt::NoFocus);
    total->setMaximumWidth(70);
    total->setAlignment(Qt::AlignRight);
    auto* totalLine = new QHBoxLayout;
    totalLine->addWidget(new QLabel(QStringLiteral("El reporte generado contiene"), this));
    totalLine->addWidget(total);
    totalLine->addWidget(new QLabel(QStringLiteral("páginas."), this));
    totalLine->addStretch();

    auto* warning = new QLabel(Warning, this);
    warning->setObjectName(QStringLiteral("lblInformacion"));

    m_desde = pageBox(QStringLiteral("txtPagDesde"), this);
    m_desde->setText(QStringLiteral("1"));
    m_hasta = pageBox(QStringLiteral("txtPagHasta"), this);
    auto* desdeLabel = new QLabel(QStringLiteral("&Desde :"), this);
    desdeLabel->setBuddy(m_desde);
    auto* hastaLabel = new QLabel(QStringLiteral("&Hasta :"), this);
    hastaLabel->setBuddy(m_hasta);
    auto* pagesLine = new QHBoxLayout;
    pagesLine->addWidget(desdeLabel);
    pagesLine->addWidget(m_desde);
    pagesLine->addSpacing(24);
    pagesLine->addWidget(hastaLabel);
    pagesLine->addWidget(m_hasta);
    pagesLine->addStretch();

    QPushButton* preliminar = actionButton(0, QStringLiteral("&Preliminar"), this);
    QPushButton* cancelar = actionButton(1, QStringLiteral("&Cancelar"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(preliminar);
    buttons->addWidget(cancelar);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(totalLine);
    layout->addWidget(warning);
    layout->addSpacing(8);
    layout->addLayout(pagesLine);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Enter in a page box moves on like Tab.
    connect(m_desde, &QLineEdit::returnPressed, m_hasta, qOverload<>(&QWidget::setFocus));
    connect(m_hasta, &QLineEdit::returnPressed, preliminar, qOverload<>(&QWidget::setFocus));
    connect(preliminar, &QPushButton::clicked, this, &frmImpxPag::preliminar);
    connect(cancelar, &QPushButton::clicked, this, &QDialog::reject);
    m_desde->setFocus();
}

void frmImpxPag::preliminar()
{
    if (const auto problem = checkPageRange(m_desde->text(), m_hasta->text(), m_totalPages)) {
        m_ctx.messages.inform(problem->message, windowTitle(), MsgIcon::Critical);
        QLineEdit* field = problem->field == PageRangeField::First ? m_desde : m_hasta;
        field->setFocus();
        field->selectAll();
        return;
    }
    MuestraReporte(m_ctx, m_fileName, ModoVistaPrevia, pageRangeOf(m_desde->text(), m_hasta->text()), this);
}
