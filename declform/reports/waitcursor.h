#pragma once

#include <QCursor>
#include <QGuiApplication>

/// Shows the hourglass pointer while it lives, when the program has a graphical application.
class WaitCursor {
public:
    WaitCursor() : m_active(qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr)
    {
        if (m_active)
            QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    }
    ~WaitCursor()
    {
        if (m_active)
            QGuiApplication::restoreOverrideCursor();
    }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    bool m_active;
};
