#include "maskedfield.h"

#include <QEvent>
#include <QLineEdit>
#include <algorithm>

namespace {

class EmptyMaskClick : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // The press has put the cursor where the click fell; the release moves it back to the
        // start while only the mask's separators are there.
        if (event->type() == QEvent::MouseButtonRelease) {
            auto* field = static_cast<QLineEdit*>(watched);
            const QString typed = field->text();
            if (!field->hasSelectedText() &&
                std::none_of(typed.begin(), typed.end(), [](QChar c) { return c.isLetterOrNumber(); }))
                field->setCursorPosition(0);
        }
        return false;
    }
};

} // namespace

void typeEmptyMaskFromTheStart(QLineEdit& field)
{
    field.installEventFilter(new EmptyMaskClick(&field));
}
