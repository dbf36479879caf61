#pragma once

#include <QMainWindow>

class Messages;
class QCheckBox;
class QLabel;
class QPushButton;

/// The integrator's main window: the module's programs are started from here, and its
/// caption is what the module looks for to know that it runs under the integrator.
class KovarisWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit KovarisWindow(Messages& messages, QWidget* parent = nullptr);

private:
    void refresh();
    void runInstaller();
    void openModule();
    void sendDeclaration();
    void setModulesStopped(bool stopped);

    Messages& m_messages;
    QString m_folder;
    QLabel* m_folderLabel = nullptr;
    QPushButton* m_installButton = nullptr;
    QPushButton* m_moduleButton = nullptr;
    QPushButton* m_sendButton = nullptr;
    QCheckBox* m_stopCheck = nullptr;
};
