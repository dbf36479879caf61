#pragma once

#include <QLineEdit>
#include <functional>

/// An entry field of the system's forms: Enter moves to the next field like Tab, every typed
/// character passes a key filter first, and nothing can be pasted into it (Shift+Insert and a
/// right mouse button press empty the clipboard; the other ways in are closed).
class EntryEdit : public QLineEdit {
    Q_OBJECT
public:
    /// Answers the character code to accept, or 0 to discard the key.
    using KeyFilter = std::function<int(int code)>;

    explicit EntryEdit(QWidget* parent = nullptr);
    void setKeyFilter(KeyFilter filter) { m_filter = std::move(filter); }
    /// Digits and Backspace only.
    static int digitsOnly(int code);

signals:
    /// A key was typed (accepted or not): the form counts it as a change.
    void typed();
    /// The focus came in or went out by the user's doing (not because another window
    /// showed up over this one).
    void entered();
    void left();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    KeyFilter m_filter;
};
