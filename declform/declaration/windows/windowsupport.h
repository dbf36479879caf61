#pragma once

#include <QColor>
#include <QGuiApplication>
#include <QPalette>
#include <QPointer>
#include <QTimer>
#include <QWidget>

/// The hourglass while a command runs; the normal pointer comes back however the command ends.
class WaitCursor {
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

/// The grey background (&HC0C0C0) of the fields the window computes or does not let change.
inline void grey(QWidget& widget)
{
    QPalette palette = widget.palette();
    const QColor colour(0xC0, 0xC0, 0xC0);
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Base, colour);
        palette.setColor(group, QPalette::Button, colour);
        palette.setColor(group, QPalette::Text, Qt::black);
        palette.setColor(group, QPalette::ButtonText, Qt::black);
    }
    widget.setPalette(palette);
}

/// Dark text in a field that shows a value the user may not change, so it stays easy to read.
inline void legible(QWidget& widget)
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(0x40, 0x40, 0x40));
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x40, 0x40, 0x40));
    widget.setPalette(palette);
}

/// Gives the focus back to a field once the current change of focus is over: a rule that runs
/// when a field loses the focus cannot take it back while the focus is still moving.
inline void enfoca(QWidget* field)
{
    QTimer::singleShot(0, field, [target = QPointer<QWidget>(field)] {
        if (target && target->isEnabled())
            target->setFocus();
    });
}
