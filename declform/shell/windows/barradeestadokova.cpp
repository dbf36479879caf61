#include "barradeestadokova.h"

#include <QLabel>

BarradeEstadoKOVA::BarradeEstadoKOVA(QWidget* parent) : QStatusBar(parent)
{
    setObjectName(QStringLiteral("BarradeEstadoKOVA1"));
    setSizeGripEnabled(false);
    m_flag = panel("esruc", 40);
    m_numdoc = panel("numdoc", 100);
    m_razonsocial = panel("razonsocial", 200);
    m_formulario = panel("formulario", 50);
    m_periodo = panel("periodo_ejercicio", 70);
    m_semana = panel("semana", 40);
    addWidget(m_flag);
    addWidget(m_numdoc);
    addWidget(m_razonsocial, 1);
    addWidget(m_formulario);
    addWidget(m_periodo);
    addWidget(m_semana);
}

QLabel* BarradeEstadoKOVA::panel(const char* name, int minimumWidth)
{
    auto* label = new QLabel(this);
    label->setObjectName(QLatin1String(name));
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setMinimumWidth(minimumWidth);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setContentsMargins(4, 0, 4, 0);
    return label;
}

void BarradeEstadoKOVA::setEsruc(int flag)
{
    m_esruc = flag;
    m_flag->setText(flag == 1 ? QStringLiteral("RUC") : QString());
}

QString BarradeEstadoKOVA::numdoc() const
{
    return m_numdoc->text();
}

void BarradeEstadoKOVA::setNumdoc(const QString& ruc)
{
    m_numdoc->setText(ruc);
}

QString BarradeEstadoKOVA::razonsocial() const
{
    return m_razonsocial->text();
}

void BarradeEstadoKOVA::setRazonsocial(const QString& name)
{
    m_razonsocial->setText(name);
}

QString BarradeEstadoKOVA::formulario() const
{
    return m_formulario->text();
}

void BarradeEstadoKOVA::setFormulario(const QString& form)
{
    m_formulario->setText(form);
}

QString BarradeEstadoKOVA::periodoEjercicio() const
{
    return m_periodo->text();
}

void BarradeEstadoKOVA::setPeriodoEjercicio(const QString& period)
{
    m_periodo->setText(period);
}

QString BarradeEstadoKOVA::semana() const
{
    return m_semana->text();
}

void BarradeEstadoKOVA::setSemana(const QString& week)
{
    m_semana->setText(week);
}

void BarradeEstadoKOVA::showDeclarant(const QString& ruc, const QString& name, const QString& form,
                                      const QString& period)
{
    setNumdoc(ruc);
    setRazonsocial(name);
    setFormulario(form);
    setPeriodoEjercicio(period);
}
