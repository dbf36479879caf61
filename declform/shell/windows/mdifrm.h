#pragma once

#include "openwindow.h"
#include "shellfiles.h"

#include <QMainWindow>
#include <QUrl>
#include <functional>
#include <memory>

class BarradeEstadoKOVA;
class HostDatabase;
class HostUtilities;
class Messages;
class WindowOpener;
struct AppContext;
struct Session;

/// declform's main window: its menus and toolbar set the operation mode and open the
/// declaration window, the choosers of saved and sent declarations, the print dialog, the bank
/// list, the about box and the help. Every window opens fresh and modally.
class MDIFrm : public QMainWindow {
    Q_OBJECT
public:
    MDIFrm(Session& session, Messages& messages, HostUtilities& host, WindowOpener& opener,
           QWidget* parent = nullptr);
    ~MDIFrm() override;

    /// Reads the configuration and opens the host database. On failure shows why and answers
    /// false: the program cannot work and ends.
    bool load();

    /// Opens the help file at a window's topic (the contents by default) with the desktop's viewer.
    void MostrarHelp(int context = helpcontext::Contents);

    /// The declaration window; "&Nueva" and the choosers' modify commands wait for it.
    void setDeclarationWindow(ShellWindows::DeclarationFactory factory);
    /// The print dialog; the "&Imprimir" commands wait for it.
    void setPrintWindow(ShellWindows::PrintFactory factory);
    /// How the help file is handed to the desktop (QDesktopServices::openUrl unless replaced).
    void setUrlOpener(std::function<bool(const QUrl&)> opener) { m_openUrl = std::move(opener); }

    /// What the windows opened from here are given; valid once load() succeeded.
    AppContext& context() { return *m_context; }
    BarradeEstadoKOVA& barraDeEstado() { return *m_statusBar; }
    /// The open host database, or nullptr before load and after leaving.
    HostDatabase* database() const { return m_db.get(); }
    const QString& helpFile() const { return m_helpFile; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void buildToolbar();
    void updateCommands();
    void open(const std::function<std::unique_ptr<QDialog>()>& create);
    void openChooser(int modoOperacion, bool enviada);
    void nueva();
    void imprimir(bool enviada);
    void bancos();
    void salir();
    void closeDatabase();

    Session& m_session;
    Messages& m_messages;
    HostUtilities& m_host;
    WindowOpener& m_opener;
    std::unique_ptr<HostDatabase> m_db;
    std::unique_ptr<AppContext> m_context;
    ShellWindows m_windows;
    BarradeEstadoKOVA* m_statusBar = nullptr;
    QString m_helpFile;
    std::function<bool(const QUrl&)> m_openUrl;
    QList<QAction*> m_declarationCommands;
    QList<QAction*> m_printCommands;
};

inline const QString MainCaption = QStringLiteral("0947 Agentes de Percepción - v 1.2");
inline const QString HelpMissingText = QStringLiteral("No se encontró el archivo de ayuda:\n");
inline const QString HelpNotOpenedText = QStringLiteral("No se pudo abrir el archivo de ayuda:\n");
