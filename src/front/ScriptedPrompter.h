#pragma once

#include "front/Prompter.h"

#include <QList>
#include <QQueue>

namespace kelvo::front {

// A prompter for tests: questions are answered from a queue and every
// question, message and error is recorded with its title and text.
// A question with no queued answer is answered "cancel" (so AskYesNo gives 2)
// and counted in unexpectedQuestions(), so a test can tell it happened.
class ScriptedPrompter final : public Prompter {
public:
    enum class Kind { Question, Message, Error };

    struct Entry {
        Kind kind;
        QString title;   // the window title shown (for errors: the error caption)
        QString text;    // question, message or error message
        QString details; // errors only
        QString callerTitle; // errors only: the title argument, which is not shown
        int answer = AnswerCancel; // questions only: the answer value given
    };

    void answerYes() { m_answers.enqueue(AnswerYes); }
    void answerNo() { m_answers.enqueue(AnswerNo); }
    void answerCancel() { m_answers.enqueue(AnswerCancel); }

    const QList<Entry>& entries() const { return m_entries; }
    const Entry& last() const { return m_entries.last(); }
    // Entries of one kind, in order.
    QList<Entry> entriesOf(Kind kind) const;
    int pendingAnswers() const { return int(m_answers.size()); }
    int unexpectedQuestions() const { return m_unexpected; }
    void clear();

protected:
    int presentYesNo(const QString& title, const QString& question) override;
    void presentMessage(const QString& title, const QString& message) override;
    void presentError(const ErrorReport& report) override;

private:
    QQueue<int> m_answers;
    QList<Entry> m_entries;
    int m_unexpected = 0;
};

} // namespace kelvo::front
