#include "openwindow.h"

#include "appcontext.h"
#include "dberror.h"
#include "messages.h"
#include "windowopener.h"

#include <QDialog>

int openFresh(AppContext& context, const std::function<std::unique_ptr<QDialog>()>& create)
{
    std::unique_ptr<QDialog> dialog;
    try {
        const WaitCursor wait;
        dialog = create();
    } catch (const DbError& error) {
        context.messages.inform(errorBoxText(error), ErrorTitle, MsgIcon::None);
        return -1;
    }
    if (!dialog)
        return -1;
    return context.opener.openModal(*dialog);
}
