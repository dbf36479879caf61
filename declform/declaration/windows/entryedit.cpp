#include "entryedit.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>

namespace {
constexpr int Backspace = 8;

/// Focus that moves because a message box or a popup opened over the window is no change of
/// field for the form's rules.
bool byTheUser(const QFocusEvent* event)
{
    return event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason;
}
} // namespace

EntryEdit::EntryEdit(QWidget* parent) : QLineEdit(parent)
{
    setAcceptDrops(false);
}

int EntryEdit::digitsOnly(int code)
{
    return (code >= '0' && code <= '9') || code == Backspace ? code : 0;
}

void EntryEdit::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit typed();
        focusNextChild();
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Insert && event->modifiers() == Qt::ShiftModifier) {
        QGuiApplication::clipboard()->clear();
        event->accept();
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        event->accept();
        return;
    }
    const QString text = event->text();
    if (!text.isEmpty()) {
        emit typed();
        if (m_filter && m_filter(text.at(0).unicode()) == 0) {
            event->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

void EntryEdit::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton)
        QGuiApplication::clipboard()->clear();
    // The middle button pastes the selection on X11.
    if (event->button() == Qt::MiddleButton) {
        event->accept();
        return;
    }
    QLineEdit::mousePressEvent(event);
}

void EntryEdit::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu* menu = createStandardContextMenu();
    for (QAction* action : menu->actions())
        if (action->objectName() == QLatin1String("edit-paste"))
            action->setEnabled(false);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void EntryEdit::dropEvent(QDropEvent* event)
{
    event->ignore();
}

void EntryEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    if (byTheUser(event))
        emit entered();
}

void EntryEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    if (byTheUser(event))
        emit left();
}
