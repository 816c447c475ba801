#include "front/ScriptedPrompter.h"

namespace kelvo::front {

QList<ScriptedPrompter::Entry> ScriptedPrompter::entriesOf(Kind kind) const
{
    QList<Entry> result;
    for (const Entry& e : m_entries)
        if (e.kind == kind)
            result.append(e);
    return result;
}

void ScriptedPrompter::clear()
{
    m_answers.clear();
    m_entries.clear();
    m_unexpected = 0;
}

int ScriptedPrompter::presentYesNo(const QString& title, const QString& question)
{
    int answer = AnswerCancel;
    if (m_answers.isEmpty())
        ++m_unexpected;
    else
        answer = m_answers.dequeue();
    m_entries.append({Kind::Question, title, question, {}, {}, answer});
    return answer;
}

void ScriptedPrompter::presentMessage(const QString& title, const QString& message)
{
    m_entries.append({Kind::Message, title, message, {}, {}, AnswerCancel});
}

void ScriptedPrompter::presentError(const ErrorReport& report)
{
    m_entries.append({Kind::Error, report.caption, report.message, report.details, report.title, AnswerCancel});
}

} // namespace kelvo::front
