#include "frmconsist.h"

#include "appcontext.h"
#include "messages.h"
#include "session.h"
#include "shellfiles.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

FrmConsist::FrmConsist(AppContext& context, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmConsist"));
    setWindowTitle(ConsistTitle);

    auto* label = new QLabel(
        QStringLiteral("En su declaración se han detectado las siguientes inconsistencias :"), this);
    label->setObjectName(QStringLiteral("Label1"));

    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(QStringLiteral("TxtPreliminar"));
    m_text->setReadOnly(true);
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    // The list is laid out in columns: a fixed-pitch face, Courier New where there is one.
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    if (!QFontInfo(font).fixedPitch())
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    m_text->setFont(font);

    auto* accept = new QPushButton(QStringLiteral("&Aceptar"), this);
    accept->setObjectName(QStringLiteral("CmdGrabar"));
    accept->setDefault(true);
    connect(accept, &QPushButton::clicked, this, &QDialog::accept);
    // Printing the list is not offered here; the button keeps its place, disabled.
    auto* print = new QPushButton(QStringLiteral("&Imprimir"), this);
    print->setObjectName(QStringLiteral("Command1"));
    print->setEnabled(false);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(accept);
    buttons->addWidget(print);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_text, 1);
    layout->addLayout(buttons);
    resize(600, 380);

    const QString path = context.session.archivoMensajes;
    if (const std::optional<QString> content = readCp1252File(path))
        m_text->setPlainText(*content);
    else
        context.messages.inform(UnreadableMessagesText + path, ConsistTitle, MsgIcon::Exclamation);
}

QString FrmConsist::text() const
{
    return m_text->toPlainText();
}
