#include "mdifrm.h"

#include "appcontext.h"
#include "barradeestadokova.h"
#include "configuration.h"
#include "dberror.h"
#include "frmacercade.h"
#include "frmconsultas.h"
#include "frmcontabrir.h"
#include "frmcontabrire.h"
#include "hostdatabase.h"
#include "hostutilities.h"
#include "messages.h"
#include "opendb.h"
#include "session.h"
#include "toolbarimages.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QToolBar>

namespace {

/// The main window's background (Picture1): the form's number and name on a quiet gradient.
/// Moving the mouse over it clears the declarant's name in the status bar.
class BackgroundPicture : public QWidget {
public:
    BackgroundPicture(std::function<void()> mouseMoved, QWidget* parent)
        : QWidget(parent), m_mouseMoved(std::move(mouseMoved))
    {
        setObjectName(QStringLiteral("Picture1"));
        setMouseTracking(true);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        QLinearGradient fill(0, 0, 0, height());
        fill.setColorAt(0, QColor(0xe9, 0xee, 0xf4));
        fill.setColorAt(1, QColor(0xc9, 0xd4, 0xe2));
        p.fillRect(rect(), fill);

        QFont number = font();
        number.setBold(true);
        number.setPixelSize(std::max(24, height() / 4));
        p.setFont(number);
        p.setPen(QColor(0x1f, 0x3f, 0x73, 60));
        const QRect upper(0, 0, width(), height() * 11 / 20);
        p.drawText(upper, Qt::AlignHCenter | Qt::AlignBottom, QStringLiteral("0947"));

        QFont name = font();
        name.setPixelSize(std::max(12, height() / 16));
        p.setFont(name);
        p.setPen(QColor(0x1f, 0x3f, 0x73, 110));
        p.drawText(QRect(0, upper.bottom() + 8, width(), height() / 8), Qt::AlignHCenter | Qt::AlignTop,
                   QStringLiteral("Agentes de Percepción"));
    }
    void mouseMoveEvent(QMouseEvent* event) override
    {
        m_mouseMoved();
        QWidget::mouseMoveEvent(event);
    }

private:
    std::function<void()> m_mouseMoved;
};

QAction* command(QObject* parent, const char* name, const QString& text)
{
    auto* action = new QAction(text, parent);
    action->setObjectName(QLatin1String(name));
    return action;
}

} // namespace

MDIFrm::MDIFrm(Session& session, Messages& messages, HostUtilities& host, WindowOpener& opener,
               QWidget* parent)
    : QMainWindow(parent), m_session(session), m_messages(messages), m_host(host), m_opener(opener),
      m_openUrl([](const QUrl& url) { return QDesktopServices::openUrl(url); })
{
    setObjectName(QStringLiteral("MDIFrm"));
    setWindowTitle(MainCaption);
    // The close box stays; the window is neither minimised nor maximised.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);

    m_statusBar = new BarradeEstadoKOVA(this);
    setStatusBar(m_statusBar);
    setCentralWidget(new BackgroundPicture([this] { m_statusBar->setRazonsocial(QString()); }, this));
    buildMenus();
    buildToolbar();
    // Nothing can be done before the database is open.
    menuBar()->setEnabled(false);
    findChild<QToolBar*>(QStringLiteral("Toolbar1"))->setEnabled(false);

    if (const QScreen* screen = QApplication::primaryScreen())
        move(screen->availableGeometry().topLeft());
    resize(twips(9555), twips(7320));
    qApp->installEventFilter(this);
}

MDIFrm::~MDIFrm()
{
    closeDatabase();
}

void MDIFrm::buildMenus()
{
    QMenu* declara = menuBar()->addMenu(QStringLiteral("&Declaraciones"));
    declara->setObjectName(QStringLiteral("mnuDeclara"));
    QAction* nuevaAction = command(this, "mnuNueva", QStringLiteral("&Nueva"));
    QAction* modificar = command(this, "mnuModificar", QStringLiteral("&Modificar"));
    QAction* eliminar = command(this, "mnuEliminar", QStringLiteral("&Eliminar"));
    QAction* imprimirAction = command(this, "mnuImprimir", QStringLiteral("&Imprimir"));
    QAction* salirAction = command(this, "mnuSalir", QStringLiteral("&Salir"));
    declara->addActions({nuevaAction, modificar, eliminar});
    declara->addSeparator();
    declara->addAction(imprimirAction);
    declara->addSeparator();
    declara->addAction(salirAction);

    QMenu* enviadas = menuBar()->addMenu(QStringLiteral("Declaraciones &Enviadas"));
    enviadas->setObjectName(QStringLiteral("mnuDeclaraE"));
    QAction* modificarE = command(this, "mnuModificarE", QStringLiteral("&Registrar número de orden"));
    QAction* eliminarE = command(this, "mnuEliminarE", QStringLiteral("&Eliminar"));
    QAction* imprimirE = command(this, "mnuImprimirE", QStringLiteral("&Imprimir"));
    enviadas->addActions({modificarE, eliminarE});
    enviadas->addSeparator();
    enviadas->addAction(imprimirE);

    QMenu* consultas = menuBar()->addMenu(QStringLiteral("&Consultas"));
    consultas->setObjectName(QStringLiteral("mnuConsultas"));
    QAction* bancosAction = command(this, "mnuBancos", QStringLiteral("&Bancos"));
    consultas->addAction(bancosAction);

    QMenu* ayuda = menuBar()->addMenu(QStringLiteral("&Ayuda"));
    ayuda->setObjectName(QStringLiteral("mnuayuda"));
    QAction* contenido = command(this, "mnuContenido", QStringLiteral("&Contenido"));
    QAction* acercade = command(this, "mnuAcercade", QStringLiteral("Acerca &de KOVA"));
    ayuda->addAction(contenido);
    ayuda->addSeparator();
    ayuda->addAction(acercade);

    connect(nuevaAction, &QAction::triggered, this, &MDIFrm::nueva);
    connect(modificar, &QAction::triggered, this, [this] { openChooser(1, false); });
    connect(eliminar, &QAction::triggered, this, [this] { openChooser(3, false); });
    connect(imprimirAction, &QAction::triggered, this, [this] { imprimir(false); });
    connect(salirAction, &QAction::triggered, this, &MDIFrm::salir);
    connect(modificarE, &QAction::triggered, this, [this] { openChooser(1, true); });
    connect(eliminarE, &QAction::triggered, this, [this] { openChooser(3, true); });
    connect(imprimirE, &QAction::triggered, this, [this] { imprimir(true); });
    connect(bancosAction, &QAction::triggered, this, &MDIFrm::bancos);
    connect(contenido, &QAction::triggered, this, [this] { MostrarHelp(); });
    connect(acercade, &QAction::triggered, this,
            [this] { open([this] { return std::make_unique<frmAcercade>(this); }); });

    m_declarationCommands = {nuevaAction};
    m_printCommands = {imprimirAction, imprimirE};
    updateCommands();
}

void MDIFrm::buildToolbar()
{
    auto* toolbar = new QToolBar(this);
    toolbar->setObjectName(QStringLiteral("Toolbar1"));
    toolbar->setMovable(false);
    toolbar->setFloatable(false);
    toolbar->toggleViewAction()->setEnabled(false);
    toolbar->setIconSize(QSize(24, 24));
    toolbar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    addToolBar(Qt::TopToolBarArea, toolbar);

    // Buttons by position, as the integrator's modules number them. Each runs the menu command
    // it stands for and is available when that command is.
    const auto button = [&](int position, ToolbarImage image, const QString& text, const char* command) {
        QAction* action = toolbar->addAction(toolbarImage(image), text);
        action->setObjectName(QStringLiteral("Toolbar1_%1").arg(position));
        QAction* menuCommand = findChild<QAction*>(QLatin1String(command));
        connect(action, &QAction::triggered, menuCommand, &QAction::trigger);
        connect(menuCommand, &QAction::enabledChanged, action, &QAction::setEnabled);
        action->setEnabled(menuCommand->isEnabled());
    };
    const auto separator = [&](int position) {
        toolbar->addSeparator()->setObjectName(QStringLiteral("Toolbar1_%1").arg(position));
    };
    button(1, ToolbarImage::Nueva, QStringLiteral("Nueva"), "mnuNueva");
    button(2, ToolbarImage::Modificar, QStringLiteral("Modificar"), "mnuModificar");
    button(3, ToolbarImage::Eliminar, QStringLiteral("Eliminar"), "mnuEliminar");
    button(4, ToolbarImage::Imprimir, QStringLiteral("Imprimir"), "mnuImprimir");
    button(5, ToolbarImage::Salir, QStringLiteral("Salir"), "mnuSalir");
    separator(6);
    button(7, ToolbarImage::NumOrden, QStringLiteral("Num. Orden"), "mnuModificarE");
    separator(8);
    separator(9);
    button(10, ToolbarImage::Ayuda, QStringLiteral("Ayuda"), "mnuContenido");
}

void MDIFrm::updateCommands()
{
    for (QAction* action : std::as_const(m_declarationCommands))
        action->setEnabled(static_cast<bool>(m_windows.declaration));
    for (QAction* action : std::as_const(m_printCommands))
        action->setEnabled(static_cast<bool>(m_windows.print));
}

void MDIFrm::setDeclarationWindow(ShellWindows::DeclarationFactory factory)
{
    m_windows.declaration = std::move(factory);
    updateCommands();
}

void MDIFrm::setPrintWindow(ShellWindows::PrintFactory factory)
{
    m_windows.print = std::move(factory);
    updateCommands();
}

bool MDIFrm::load()
{
    m_session.numFormulario = QStringLiteral("0947");
    try {
        LeeConfiguracion(m_session);
        m_db = AbreBaseDatos(m_session);
    } catch (const ConfigError& error) {
        m_messages.inform(error.message(), MainCaption, MsgIcon::Critical);
        return false;
    } catch (const DbError& error) {
        m_messages.inform(openErrorText(error), OpenErrorTitle, MsgIcon::None);
        return false;
    }
    m_context = std::make_unique<AppContext>(AppContext{m_session, *m_db, m_messages, m_host, m_opener});
    m_helpFile = helpFilePath(m_session);

    m_statusBar->setEsruc(1);
    m_statusBar->setNumdoc(QString());
    m_statusBar->setRazonsocial(QString());
    m_statusBar->setFormulario(m_session.numFormulario);
    m_statusBar->setPeriodoEjercicio(QString());

    menuBar()->setEnabled(true);
    findChild<QToolBar*>(QStringLiteral("Toolbar1"))->setEnabled(true);
    return true;
}

void MDIFrm::open(const std::function<std::unique_ptr<QDialog>()>& create)
{
    openFresh(*m_context, create);
}

void MDIFrm::nueva()
{
    if (!m_windows.declaration || !m_host.PuedeContinuar())
        return;
    m_session.modoOperacion = 0;
    m_session.declaracionEnviada = false;
    open([this] { return m_windows.declaration(*this, std::nullopt); });
}

void MDIFrm::openChooser(int modoOperacion, bool enviada)
{
    m_session.modoOperacion = modoOperacion;
    m_session.declaracionEnviada = enviada;
    open([this, enviada]() -> std::unique_ptr<QDialog> {
        if (enviada)
            return std::make_unique<FrmContAbrirE>(*m_context, *m_statusBar, m_windows, this);
        return std::make_unique<FrmContAbrir>(*m_context, *m_statusBar, m_windows, this);
    });
}

void MDIFrm::imprimir(bool enviada)
{
    if (!m_windows.print)
        return;
    // Printing keeps the operation mode; only the kind of declaration changes.
    m_session.declaracionEnviada = enviada;
    open([this] { return m_windows.print(*this); });
}

void MDIFrm::bancos()
{
    m_session.opcionSujeto = QStringLiteral("B");
    open([this] { return std::make_unique<FrmConsultas>(*m_context, this); });
}

void MDIFrm::MostrarHelp(int context)
{
    if (!QFileInfo::exists(m_helpFile)) {
        m_messages.inform(HelpMissingText + m_helpFile, MainCaption, MsgIcon::Exclamation);
        return;
    }
    QUrl url = QUrl::fromLocalFile(m_helpFile);
    if (context != helpcontext::Contents)
        url.setFragment(QStringLiteral("ctx%1").arg(context));
    if (!m_openUrl(url))
        m_messages.inform(HelpNotOpenedText + m_helpFile, MainCaption, MsgIcon::Exclamation);
}

bool MDIFrm::eventFilter(QObject* watched, QEvent* event)
{
    // F1 anywhere in the program opens the help at the topic of the window in front.
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1 &&
        watched->isWidgetType() && m_context) {
        int context = helpcontext::Contents;
        for (QWidget* w = static_cast<QWidget*>(watched)->window(); w; w = w->parentWidget()) {
            const QVariant id = w->property("HelpContextID");
            if (id.isValid()) {
                context = id.toInt();
                break;
            }
        }
        MostrarHelp(context);
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void MDIFrm::salir()
{
    closeDatabase();
    close();
}

void MDIFrm::closeEvent(QCloseEvent* event)
{
    closeDatabase();
    event->accept();
}

void MDIFrm::closeDatabase()
{
    m_context.reset();
    m_db.reset();
    menuBar()->setEnabled(false);
    findChild<QToolBar*>(QStringLiteral("Toolbar1"))->setEnabled(false);
}
