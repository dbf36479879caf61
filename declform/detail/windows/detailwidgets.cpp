#include "detailwidgets.h"

#include "appcontext.h"
#include "dberror.h"
#include "detailrows.h"
#include "hostutilities.h"
#include "maskedfield.h"
#include "messages.h"

#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>

namespace {

constexpr int KeyEnter = 13;
constexpr int KeyBackspace = 8;
constexpr int KeyPaste = 22; // Ctrl+V as a typed character

// The character a key press types, as the system's key rules know it; 0 for keys that only
// move or select (arrows, Tab, Delete ...), which every field lets through.
int typedCode(const QKeyEvent& event)
{
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return KeyEnter;
    case Qt::Key_Backspace:
        return KeyBackspace;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return 0;
    default:
        break;
    }
    if (event.matches(QKeySequence::Paste))
        return KeyPaste;
    const QString text = event.text();
    return text.isEmpty() ? 0 : text.at(0).unicode();
}

// A focus change between fields of the window; a message box or another window taking the
// focus is not one.
bool movesBetweenFields(const QFocusEvent& event)
{
    return event.reason() != Qt::ActiveWindowFocusReason && event.reason() != Qt::PopupFocusReason;
}

class FieldGuard : public QObject {
public:
    FieldGuard(QWidget* field, FieldBehaviour behaviour)
        : QObject(field), m_field(field), m_behaviour(std::move(behaviour))
    {
        field->installEventFilter(this);
        if (m_behaviour.blockPaste)
            field->setAcceptDrops(false);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != m_field)
            return false;
        switch (event->type()) {
        case QEvent::KeyPress:
            return keyPress(static_cast<QKeyEvent&>(*event));
        case QEvent::MouseButtonPress:
            if (m_behaviour.blockPaste && static_cast<QMouseEvent*>(event)->button() == Qt::RightButton)
                QApplication::clipboard()->clear();
            return false;
        case QEvent::FocusIn:
            if (m_behaviour.entered && movesBetweenFields(static_cast<QFocusEvent&>(*event)))
                m_behaviour.entered();
            return false;
        case QEvent::FocusOut:
            if (m_behaviour.left && movesBetweenFields(static_cast<QFocusEvent&>(*event)))
                m_behaviour.left();
            return false;
        default:
            return false;
        }
    }

private:
    bool keyPress(const QKeyEvent& event)
    {
        if (m_behaviour.blockPaste && event.key() == Qt::Key_Insert &&
            event.modifiers() == Qt::ShiftModifier) {
            QApplication::clipboard()->clear();
            return true;
        }
        const int code = typedCode(event);
        if (code == 0)
            return false;
        if (m_behaviour.typed)
            m_behaviour.typed();
        if (code == KeyEnter) {
            if (!m_behaviour.enterMovesOn || m_behaviour.enterMovesOn())
                moveFocusOn(m_field);
            return true;
        }
        const int answer = m_behaviour.filter ? m_behaviour.filter(code) : code;
        if (answer == code)
            return false;
        auto* edit = qobject_cast<QLineEdit*>(m_field);
        if (answer != 0 && edit)
            edit->insert(QString(QChar(answer)));
        return true;
    }

    QWidget* m_field;
    FieldBehaviour m_behaviour;
};

} // namespace

void guardField(QWidget* field, FieldBehaviour behaviour)
{
    new FieldGuard(field, std::move(behaviour));
}

void guardDocumentFields(QLineEdit* series, QLineEdit* number, QLineEdit* date, QLineEdit* amount,
                         const HostUtilities& host, const DocumentFieldHooks& hooks)
{
    const DocumentKind kind = hooks.kind;
    const HostUtilities* filters = &host; // outlives the window's fields
    const auto creditNote = [kind, type = hooks.type] {
        return kind == DocumentKind::Voucher && type() == CreditNoteType;
    };

    FieldBehaviour seriesRules;
    seriesRules.filter = [series, filters, kind, hooks](int key) {
        const bool cashSale = hooks.cashSale && hooks.cashSale();
        return seriesKey(key, series->text(), seriesTakesLetters(kind, hooks.type(), cashSale), *filters);
    };
    seriesRules.enterMovesOn = [series] { return !series->text().trimmed().isEmpty(); };
    seriesRules.blockPaste = true;
    seriesRules.typed = hooks.typed;
    seriesRules.left = [series, filters, kind] {
        series->setMaxLength(4);
        series->setText(seriesOnLeave(kind, series->text(), *filters));
    };
    guardField(series, seriesRules);

    FieldBehaviour numberRules;
    numberRules.filter = [filters](int key) { return numberKey(key, *filters); };
    numberRules.blockPaste = true;
    numberRules.typed = hooks.typed;
    numberRules.left = [number, filters, kind, type = hooks.type] {
        number->setText(numberOnLeave(kind, number->text(), type(), *filters));
    };
    guardField(number, numberRules);

    FieldBehaviour dateRules;
    if (hooks.dateMarksChanged)
        dateRules.typed = hooks.typed;
    dateRules.left = hooks.dateLeft;
    guardField(date, dateRules);

    FieldBehaviour amountRules;
    amountRules.filter = [amount, filters, creditNote](int key) {
        const AmountKey accepted = amountKey(key, amount->text(), creditNote(), *filters);
        setFieldLength(amount, accepted.maxLength);
        return accepted.key;
    };
    amountRules.blockPaste = true;
    amountRules.typed = hooks.typed;
    amountRules.entered = [amount, creditNote] {
        amount->setText(amountForEditing(amount->text(), creditNote()));
        setFieldLength(amount, amountEditingLength(creditNote()));
    };
    amountRules.left = [amount] {
        amount->setMaxLength(AmountDisplayLength);
        amount->setText(amountForDisplay(amount->text()));
    };
    guardField(amount, amountRules);
}

void moveFocusOn(QWidget* from)
{
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QCoreApplication::sendEvent(from, &tab);
}

void setFieldEnabled(QWidget* field, bool enabled)
{
    field->setEnabled(enabled);
    setFieldGrey(field, !enabled);
}

void setFieldGrey(QWidget* field, bool grey)
{
    QPalette palette = field->palette();
    const QColor base = grey ? QColor(192, 192, 192) // the grey of values that cannot change
                             : QApplication::palette(field).color(QPalette::Active, QPalette::Base);
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, QPalette::Base, base);
    // What a disabled field holds stays readable on the grey.
    palette.setColor(QPalette::Disabled, QPalette::Text,
                     grey ? QColor(64, 64, 64)
                          : QApplication::palette(field).color(QPalette::Disabled, QPalette::Text));
    field->setPalette(palette);
}

int fieldWidth(const QWidget* field, int chars)
{
    // Typed texts are mostly capitals and digits, wider than the average character.
    return field->fontMetrics().horizontalAdvance(QLatin1Char('X')) * chars + 12;
}

void setFieldLength(QLineEdit* field, int length)
{
    field->setMaxLength(std::max<int>(length, int(field->text().size())));
}

QWidget* DocumentFields::of(DocField field) const
{
    switch (field) {
    case DocField::Type:
        return type;
    case DocField::Series:
        return series;
    case DocField::Number:
        return number;
    case DocField::Date:
        return date;
    case DocField::Amount:
        return amount;
    case DocField::None:
        break;
    }
    return nullptr;
}

void showFailure(const AppContext& ctx, const QString& caption, const RuleFailure& failure, QWidget* field)
{
    switch (failure.notice) {
    case Notice::Box:
        showError(ctx, caption, failure.message);
        break;
    case Notice::Host:
        ctx.host.MuestraMensaje(failure.message, caption);
        break;
    case Notice::Silent:
        break;
    }
    if (field && field->isEnabled())
        field->setFocus();
}

void showError(const AppContext& ctx, const QString& caption, const QString& text)
{
    ctx.messages.inform(text, caption, MsgIcon::Critical);
}

void showDbError(Messages& messages, const DbError& error)
{
    messages.inform(errorBoxText(error), QStringLiteral("Error"), MsgIcon::Critical);
}

void guarded(Messages& messages, const std::function<void()>& action)
{
    try {
        action();
    } catch (const DbError& error) {
        showDbError(messages, error);
    }
}

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

QLineEdit* makeField(QWidget* parent, const char* name, int maxLength, int widthInChars)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setMaxLength(maxLength);
    edit->setFixedWidth(fieldWidth(edit, widthInChars));
    return edit;
}

QLineEdit* makeDateField(QWidget* parent, const char* name)
{
    QLineEdit* edit = makeField(parent, name, 10, 10);
    edit->setInputMask(QStringLiteral("99/99/9999;_"));
    typeEmptyMaskFromTheStart(*edit);
    return edit;
}

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& text)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    button->setMinimumWidth(96);
    return button;
}

QString recordCount(qsizetype rows)
{
    return QString::number(rows) + QStringLiteral("   Registros      ");
}

QTableView* makeGrid(QWidget* parent, const QString& name, const QStringList& headers)
{
    auto* grid = new QTableView(parent);
    grid->setObjectName(name);
    auto* model = new QStandardItemModel(0, int(headers.size()), grid);
    model->setHorizontalHeaderLabels(headers);
    grid->setModel(model);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setAlternatingRowColors(true);
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 6);
    grid->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    grid->horizontalHeader()->setHighlightSections(false);
    grid->setTabKeyNavigation(false);
    return grid;
}

void setGridRows(QTableView* grid, const QList<QStringList>& rows, const QList<int>& rightAligned)
{
    auto* model = static_cast<QStandardItemModel*>(grid->model());
    model->removeRows(0, model->rowCount());
    for (const QStringList& row : rows) {
        QList<QStandardItem*> items;
        for (int column = 0; column < row.size(); ++column) {
            auto* item = new QStandardItem(row.at(column));
            item->setTextAlignment(rightAligned.contains(column) ? Qt::AlignRight | Qt::AlignVCenter
                                                                 : Qt::AlignLeft | Qt::AlignVCenter);
            items.append(item);
        }
        model->appendRow(items);
    }
    if (!rows.isEmpty())
        grid->selectRow(0);
}

int currentGridRow(QTableView* grid)
{
    if (grid->model()->rowCount() == 0)
        return -1;
    const int row = grid->currentIndex().row();
    return row < 0 ? 0 : row;
}
