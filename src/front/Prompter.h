#pragma once

#include "platform/db/DbError.h"

#include <QList>
#include <QString>

namespace kelvo::front {

// Where DisplayError finds the provider errors of the main connection: the
// errors of the last failed database call, first one first.
class ProviderErrorSource {
public:
    virtual ~ProviderErrorSource() = default;
    virtual QList<db::ProviderError> providerErrors() const = 0;
};

// The provider errors of the last failed database call a session recorded
// (a window records the DbError it caught before it reports it).
class RecordedProviderErrors final : public ProviderErrorSource {
public:
    void record(const db::DbError& error) { m_errors = error.errors(); }
    void clear() { m_errors.clear(); }
    QList<db::ProviderError> providerErrors() const override { return m_errors; }

private:
    QList<db::ProviderError> m_errors;
};

// What the error dialog shows, as DisplayError worked it out.
struct ErrorReport {
    QString caption; // "خطاي شماره :  " and the error number
    QString message; // lblError
    QString details; // txtError
    QString title;   // the caller's title; not shown
};

// Answer values of the yes/no dialog.
enum YesNoAnswer : int {
    AnswerCancel = 0, // also a close by the title bar
    AnswerYes = 1,
    AnswerNo = 2,
};

// The one way windows ask a question or report something. The rules of the
// three procedures live here; a subclass only presents the dialogs (the Qt
// dialogs, or a scripted queue in tests).
class Prompter {
public:
    virtual ~Prompter() = default;

    // Asks a yes/no question: 1 for yes, 2 for anything else (no, cancel,
    // closing the dialog). Callers test "== 1".
    int AskYesNo(const QString& title, const QString& question);
    void ShowMessage(const QString& title, const QString& message);
    // Shows a failure. When details are empty and checkProvider is true, the
    // details become the description of the first provider error, if there is
    // one. The caption is "خطاي شماره :  " followed by the absolute value of
    // errorNumber (the number of the failure being reported). The title is
    // kept for the record but not shown.
    void DisplayError(bool checkProvider, const QString& message, const QString& details,
                      const QString& title, qint64 errorNumber = 0);

    // Asks a yes/no question; true only for yes.
    bool Confirm(const QString& title, const QString& question) { return AskYesNo(title, question) == AnswerYes; }

    // Shows a failure from its exception under the title kErrorTitle: the
    // message, with the details the exception carries (a database call's own
    // errors, a component's number and description).
    void DisplayError(const std::exception& error, const QString& message);

    // The provider errors DisplayError may consult; none when null.
    void setProviderErrors(const ProviderErrorSource* source) { m_providerErrors = source; }

    // The caption of the error dialog for an error number.
    static QString ErrorCaption(qint64 errorNumber);

protected:
    // Shows the yes/no dialog and returns its answer value (YesNoAnswer).
    virtual int presentYesNo(const QString& title, const QString& question) = 0;
    virtual void presentMessage(const QString& title, const QString& message) = 0;
    virtual void presentError(const ErrorReport& report) = 0;

private:
    const ProviderErrorSource* m_providerErrors = nullptr;
};

} // namespace kelvo::front
