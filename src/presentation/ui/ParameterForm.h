#pragma once

#include "presentation/ReportDefinition.h"
#include "presentation/RunStatement.h"

#include <QDialog>

#include <functional>

namespace kelvo::db {
class Connection;
}
namespace kelvo::front {
class Prompter;
}

namespace kelvo::presentation {

// The form on which a report asks for its shown parameters: a grid of the
// report's form columns of equal width and rows of its row height, each
// parameter's control in form order spanning ColSpan columns and RowSpan
// rows under its title. The control type picks the control: a text box (a
// number box for a numeric type), the Persian date box, a selector over the
// parameter's views, a list of several choices (types 4 and 1007), a check
// box. OK refuses a shown parameter left empty, naming it; Cancel asks
// nothing. Values fed by a calling report start in their controls.
class ParameterForm final : public QDialog {
    Q_OBJECT
public:
    ParameterForm(const ReportDefinition& definition, db::Connection& connection, front::Prompter& prompter,
                  const ParameterValues& fed = {}, QWidget* parent = nullptr);
    ~ParameterForm() override;

    // The values as the controls hold them, hidden parameters with what was
    // fed to them. Throws RunError for a value of the wrong kind.
    ParameterValues values() const;
    // The parameter whose control the user must still fill; none when all are.
    const ReportParameter* firstEmpty() const;

    void accept() override;

private:
    struct Entry {
        const ReportParameter* parameter;
        QWidget* control;
        std::function<QVariantList()> read;
    };
    QWidget* makeControl(const ReportParameter& parameter, Entry& entry, const QVariantList& fed);

    const ReportDefinition& m_definition;
    db::Connection& m_connection;
    front::Prompter& m_prompter;
    ParameterValues m_fed;
    QList<Entry> m_entries;
};

} // namespace kelvo::presentation
