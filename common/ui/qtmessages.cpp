#include "qtmessages.h"

#include "windowsystem.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>

namespace {
QMessageBox::Icon qtIcon(MsgIcon icon)
{
    switch (icon) {
    case MsgIcon::Critical:
        return QMessageBox::Critical;
    case MsgIcon::Question:
        return QMessageBox::Question;
    case MsgIcon::Exclamation:
        return QMessageBox::Warning;
    case MsgIcon::Information:
        return QMessageBox::Information;
    case MsgIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton qtButton(MsgAnswer answer)
{
    switch (answer) {
    case MsgAnswer::Ok:
        return QMessageBox::Ok;
    case MsgAnswer::Cancel:
        return QMessageBox::Cancel;
    case MsgAnswer::Yes:
        return QMessageBox::Yes;
    case MsgAnswer::No:
        return QMessageBox::No;
    case MsgAnswer::Retry:
        return QMessageBox::Retry;
    }
    return QMessageBox::Ok;
}

QMessageBox::StandardButtons qtButtons(MsgButtons buttons)
{
    switch (buttons) {
    case MsgButtons::Ok:
        return QMessageBox::Ok;
    case MsgButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MsgButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MsgButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MsgButtons::RetryCancel:
        return QMessageBox::Retry | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

MsgAnswer answerOf(int button)
{
    switch (button) {
    case QMessageBox::Cancel:
        return MsgAnswer::Cancel;
    case QMessageBox::Yes:
        return MsgAnswer::Yes;
    case QMessageBox::No:
        return MsgAnswer::No;
    case QMessageBox::Retry:
        return MsgAnswer::Retry;
    default:
        return MsgAnswer::Ok;
    }
}
} // namespace

MsgAnswer QtMessages::show(const Message& message)
{
    QMessageBox box(qtIcon(message.icon), message.title, message.text, qtButtons(message.buttons),
                    QApplication::activeWindow());
    box.setDefaultButton(qtButton(message.defaultAnswer));
    if (message.buttons == MsgButtons::YesNo)
        box.setEscapeButton(QMessageBox::No);
    return answerOf(box.exec());
}

std::unique_ptr<Messages> createMessages()
{
    if (hasDisplay() && qobject_cast<QApplication*>(QCoreApplication::instance()))
        return std::make_unique<QtMessages>();
    return std::make_unique<ConsoleMessages>();
}
