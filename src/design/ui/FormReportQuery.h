#pragma once

#include "front/ui/Commands.h"
#include "front/ui/WindowForward.h"
#include "query/QueryClauses.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QRadioButton;
class QWidget;

namespace kelvo::controls {
class KelvoSelector;
}

namespace kelvo::design {

// The SQL editor of one report: its query in English and in Farsi, clause by
// clause, each clause with a button that opens its visual dialog, after
// which both languages are written again from the query model; or, in
// procedure mode, the call of a database procedure. Saving writes the texts
// and closes; cancel writes nothing.
class FormReportQuery final : public QDialog {
    Q_OBJECT
public:
    // copyingReport: the manager is inserting a report from another one.
    FormReportQuery(front::Session& session, front::Prompter& prompter, front::Windows& windows, qint32 reportID,
                    bool copyingReport, QWidget* parent = nullptr);
    ~FormReportQuery() override;

    void clearEditor();
    void loadDefinition();
    bool saved() const { return m_saved; }

    // The clause buttons' cycle, by clause.
    void runClause(query::Clause clause);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Boxes {
        QPlainTextEdit *select, *from, *where, *groupBy, *orderBy;
    };
    void buildClauseArea(QWidget& area);
    void buildProcedureFrame(QWidget& frame);
    query::ClauseBoxes boxTexts(const Boxes& boxes) const;
    void fillBoxes(bool select, bool from, bool where, bool groupBy, bool orderBy);
    void readBoxesIntoClauses();
    void prepareCycle();
    void toggleDistinct();
    void showDistinctCaptions();
    void showLanguage();
    void checkQuery();
    void save();
    QString storedFarsiQuery() const;
    void setProcedureMode(bool procedure);
    void procedureChosen();
    void fillProcedureValues();
    void addProcedureValue();
    void pickProcedureValue();
    void toggleProcedureEditing();

    front::Session& m_session;
    front::Prompter& m_prompter;
    front::Windows& m_windows;
    front::CommandRunner m_commands;
    qint32 m_reportID;
    bool m_copyingReport;
    Boxes m_english{}, m_farsi{};
    QPlainTextEdit* m_selectDisplay = nullptr;
    QWidget* m_clauseArea = nullptr;
    QWidget* m_englishArea = nullptr;
    QWidget* m_farsiArea = nullptr;
    QRadioButton *m_optEnglish = nullptr, *m_optFarsi = nullptr;
    QRadioButton *m_optQuery = nullptr, *m_optProcedure = nullptr;
    QWidget* m_procedureFrame = nullptr;
    controls::KelvoSelector* m_procedure = nullptr;
    QLabel* m_procedureHelp = nullptr;
    QComboBox* m_procedureValues = nullptr;
    QPlainTextEdit *m_callEnglish = nullptr, *m_callFarsi = nullptr;
    QRadioButton *m_optCallEnglish = nullptr, *m_optCallFarsi = nullptr;
    QString m_loadedQuery;
    bool m_saved = false;
};

} // namespace kelvo::design
