#pragma once

#include "front/ui/Commands.h"
#include "front/ui/WindowForward.h"
#include "parameters/ReportLinks.h"

#include <QDialog>
#include <QStringList>

class QComboBox;

namespace kelvo::controls {
class KelvoSelector;
}

namespace kelvo::parameters {

// The report a report calls and where each parameter of the called report
// takes its value: a column of the caller's result (by heading) or one of
// the caller's parameters.
class FormRelReport final : public QDialog {
    Q_OBJECT
public:
    // headings: the result columns the caller's viewer shows, in order.
    FormRelReport(front::Session& session, front::Prompter& prompter, front::Windows& windows, qint32 callerID,
                  const QStringList& headings, QWidget* parent = nullptr);

    const QList<LinkMapping>& mapping() const { return m_mapping; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void reportChanged();
    void showSource();
    void sourceChosen();
    void save();
    void deleteLinks();

    front::Session& m_session;
    front::Prompter& m_prompter;
    front::CommandRunner m_commands;
    qint32 m_callerID;
    controls::KelvoSelector* m_report;
    QComboBox *m_parameter, *m_source;
    QList<NumberedParameter> m_calledParameters; // as cmbParameter lists them
    QList<LinkMapping> m_mapping;                // one entry per called parameter
};

} // namespace kelvo::parameters
