#include "windowopener.h"

#include <QCoreApplication>
#include <QDialog>

int WindowOpener::openModal(QDialog& dialog)
{
    return dialog.exec();
}

int ScriptedOpener::openModal(QDialog& dialog)
{
    m_opened.append(dialog.objectName());
    if (m_drivers.empty())
        return dialog.result();
    Driver driver = std::move(m_drivers.front());
    m_drivers.pop_front();
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.show();
    QCoreApplication::processEvents();
    driver(dialog);
    QCoreApplication::processEvents();
    dialog.hide();
    return dialog.result();
}
