#pragma once

#include <QStatusBar>

class QLabel;

/// The integrator's status bar: panels for the document-type flag, the declarant's RUC and
/// name, the form, the period and the week. The module sets them through these properties.
class BarradeEstadoKOVA : public QStatusBar {
    Q_OBJECT
    Q_PROPERTY(int esruc READ esruc WRITE setEsruc)
    Q_PROPERTY(QString numdoc READ numdoc WRITE setNumdoc)
    Q_PROPERTY(QString razonsocial READ razonsocial WRITE setRazonsocial)
    Q_PROPERTY(QString formulario READ formulario WRITE setFormulario)
    Q_PROPERTY(QString periodo_ejercicio READ periodoEjercicio WRITE setPeriodoEjercicio)
    Q_PROPERTY(QString semana READ semana WRITE setSemana)
public:
    explicit BarradeEstadoKOVA(QWidget* parent = nullptr);

    int esruc() const { return m_esruc; }
    /// 1: the document of the declarant is a RUC.
    void setEsruc(int flag);
    QString numdoc() const;
    void setNumdoc(const QString& ruc);
    QString razonsocial() const;
    void setRazonsocial(const QString& name);
    QString formulario() const;
    void setFormulario(const QString& form);
    QString periodoEjercicio() const;
    void setPeriodoEjercicio(const QString& period);
    QString semana() const;
    void setSemana(const QString& week);

    /// Shows a declarant, or none with empty texts.
    void showDeclarant(const QString& ruc, const QString& name, const QString& form, const QString& period);

private:
    QLabel* panel(const char* name, int minimumWidth);

    int m_esruc = 0;
    QLabel* m_flag = nullptr;
    QLabel* m_numdoc = nullptr;
    QLabel* m_razonsocial = nullptr;
    QLabel* m_formulario = nullptr;
    QLabel* m_periodo = nullptr;
    QLabel* m_semana = nullptr;
};
