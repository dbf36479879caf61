#include "messages.h"

#include <QStringList>
#include <cstdio>

MsgAnswer ConsoleMessages::show(const Message& message)
{
    const QString line =
        message.title.isEmpty() ? message.text : message.title + QStringLiteral(": ") + message.text;
    std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
    std::fflush(stderr);
    return message.defaultAnswer;
}

MsgAnswer ScriptedMessages::show(const Message& message)
{
    m_shown.append(message);
    if (m_answers.empty())
        return message.defaultAnswer;
    const MsgAnswer next = m_answers.front();
    m_answers.pop_front();
    return next;
}

QStringList ScriptedMessages::texts() const
{
    QStringList result;
    for (const Message& m : m_shown)
        result.append(m.text);
    return result;
}
