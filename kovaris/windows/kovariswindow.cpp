#include "kovariswindow.h"

#include "configuration.h"
#include "hostutilities.h"
#include "inifile.h"
#include "launcher.h"
#include "messages.h"
#include "opendb.h"
#include "senddialog.h"
#include "session.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QString Title = QStringLiteral("Kovaris");
}

KovarisWindow::KovarisWindow(Messages& messages, QWidget* parent) : QMainWindow(parent), m_messages(messages)
{
    setWindowTitle(Title);
    setObjectName(QStringLiteral("KovarisWindow"));

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    auto* heading = new QLabel(QStringLiteral("<b>Integrador KOVA</b> — declaraciones de VALDEX"), central);
    m_folderLabel = new QLabel(central);
    m_folderLabel->setWordWrap(true);
    m_folderLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* module = new QGroupBox(QStringLiteral("Formulario 0947 - Agentes de Percepción"), central);
    auto* moduleLayout = new QVBoxLayout(module);
    m_moduleButton = new QPushButton(QStringLiteral("&Abrir el módulo 0947"), module);
    m_moduleButton->setObjectName(QStringLiteral("CmdModulo"));
    m_installButton = new QPushButton(QStringLiteral("&Instalar o actualizar el módulo 0947"), module);
    m_installButton->setObjectName(QStringLiteral("CmdInstalar"));
    m_sendButton = new QPushButton(QStringLiteral("&Enviar declaración"), module);
    m_sendButton->setObjectName(QStringLiteral("CmdEnviar"));
    moduleLayout->addWidget(m_moduleButton);
    moduleLayout->addWidget(m_sendButton);
    moduleLayout->addWidget(m_installButton);

    m_stopCheck =
        new QCheckBox(QStringLiteral("&Detener los módulos (no se permite iniciar acciones)"), central);
    m_stopCheck->setObjectName(QStringLiteral("ChkDetener"));

    auto* quit = new QPushButton(QStringLiteral("&Salir"), central);
    layout->addWidget(heading);
    layout->addWidget(m_folderLabel);
    layout->addWidget(module);
    layout->addWidget(m_stopCheck);
    layout->addStretch();
    layout->addWidget(quit, 0, Qt::AlignRight);
    setCentralWidget(central);
    resize(520, 320);

    connect(m_moduleButton, &QPushButton::clicked, this, &KovarisWindow::openModule);
    connect(m_installButton, &QPushButton::clicked, this, &KovarisWindow::runInstaller);
    connect(m_sendButton, &QPushButton::clicked, this, &KovarisWindow::sendDeclaration);
    connect(m_stopCheck, &QCheckBox::toggled, this, &KovarisWindow::setModulesStopped);
    connect(quit, &QPushButton::clicked, this, &QWidget::close);
    refresh();
}

void KovarisWindow::refresh()
{
    IniFile ini(kovaIniPath());
    m_folder = ini.exists() && ini.load() ? ini.value(kovaini::Section, kovaini::SysPath) : QString();
    const bool ready = !m_folder.isEmpty();
    if (ready) {
        m_folderLabel->setText(QStringLiteral("Carpeta del integrador: %1\nBase de datos: %2%3\nUsuario: %4")
                                   .arg(m_folder, ini.value(kovaini::Section, kovaini::DBPath),
                                        ini.value(kovaini::Section, kovaini::DBName),
                                        ini.value(kovaini::Section, kovaini::SysUser)));
    } else {
        m_folderLabel->setText(
            QStringLiteral("No hay un integrador instalado (%1). Ejecute \"kovaris init CARPETA\".")
                .arg(kovaIniPath()));
    }
    m_moduleButton->setEnabled(ready);
    m_installButton->setEnabled(ready);
    m_sendButton->setEnabled(ready);
    m_stopCheck->setEnabled(ready);
    const QSignalBlocker blocker(m_stopCheck);
    m_stopCheck->setChecked(ready && QFileInfo::exists(HostUtilities::stopFlagPath(m_folder)));
}

void KovarisWindow::runInstaller()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const ProgramRun run = runProgram(QStringLiteral("declsetup"), {});
    QApplication::restoreOverrideCursor();
    if (!run.started)
        m_messages.inform(run.output, Title, MsgIcon::Critical);
    else if (run.exitCode == 0)
        m_messages.inform(QStringLiteral("El módulo 0947 quedó instalado y actualizado."), Title);
    else
        m_messages.inform(QStringLiteral("La instalación del módulo 0947 no terminó bien.\n\n") + run.output,
                          Title, MsgIcon::Critical);
}

void KovarisWindow::openModule()
{
    QString error;
    if (!startProgram(QStringLiteral("declform"), {}, &error))
        m_messages.inform(error, Title, MsgIcon::Critical);
}

void KovarisWindow::setModulesStopped(bool stopped)
{
    const QString flag = HostUtilities::stopFlagPath(m_folder);
    if (stopped) {
        QFile file(flag);
        if (!file.open(QIODevice::WriteOnly))
            m_messages.inform(QStringLiteral("No se pudo crear ") + flag, Title, MsgIcon::Critical);
    } else {
        QFile::remove(flag);
    }
    refresh();
}

void KovarisWindow::sendDeclaration()
{
    Session session;
    std::unique_ptr<HostDatabase> db;
    try {
        LeeConfiguracion(session);
        db = AbreBaseDatos(session);
    } catch (const ConfigError& e) {
        m_messages.inform(e.message(), Title, MsgIcon::Critical);
        return;
    } catch (const DbError& e) {
        m_messages.inform(openErrorText(e), OpenErrorTitle, MsgIcon::Critical);
        return;
    }
    SendDialog dialog(session, *db, this);
    dialog.exec();
}
