#pragma once

#include <QList>
#include <QString>
#include <deque>

enum class MsgIcon { None, Critical, Question, Exclamation, Information };
enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
enum class MsgAnswer { Ok, Cancel, Yes, No, Retry };

/// One message box: text, title, icon, buttons and the button that answers when the user
/// just presses Enter (or when nobody is there to answer).
struct Message {
    QString text;
    QString title;
    MsgIcon icon = MsgIcon::None;
    MsgButtons buttons = MsgButtons::Ok;
    MsgAnswer defaultAnswer = MsgAnswer::Ok;
};

/// Shows the system's message boxes. Windows and programs hold one and pass it down; domain
/// code never shows messages itself.
class Messages {
public:
    virtual ~Messages() = default;
    virtual MsgAnswer show(const Message& message) = 0;

    /// An OK box.
    void inform(const QString& text, const QString& title, MsgIcon icon = MsgIcon::Information)
    {
        show({text, title, icon, MsgButtons::Ok, MsgAnswer::Ok});
    }
    /// A Yes/No question with the question icon; true on Yes.
    bool ask(const QString& text, const QString& title, MsgAnswer defaultAnswer = MsgAnswer::Yes)
    {
        return show({text, title, MsgIcon::Question, MsgButtons::YesNo, defaultAnswer}) == MsgAnswer::Yes;
    }
};

/// For programs running without a display: writes each message to stderr and takes the
/// default answer.
class ConsoleMessages : public Messages {
public:
    MsgAnswer show(const Message& message) override;
};

/// For tests: records every message and answers from a queue (the default answer once the
/// queue is empty).
class ScriptedMessages : public Messages {
public:
    MsgAnswer show(const Message& message) override;

    void answer(MsgAnswer next) { m_answers.push_back(next); }
    const QList<Message>& shown() const { return m_shown; }
    QStringList texts() const;
    void clear()
    {
        m_shown.clear();
        m_answers.clear();
    }

private:
    QList<Message> m_shown;
    std::deque<MsgAnswer> m_answers;
};
