#pragma once

#include "front/ui/Commands.h"
#include "management/ReportSearch.h"

#include <QDialog>

#include <memory>
#include <optional>

namespace Ui {
class FormSearch;
}

namespace kelvo::front {
struct Session;
class Prompter;
} // namespace kelvo::front

namespace kelvo::management {

class FoundReportsModel;

// Finds report definitions by their header columns. Choosing a result (double
// click or Enter on a row, or a search with exactly one match) closes the
// window with the chosen report.
class FormSearch final : public QDialog {
    Q_OBJECT
public:
    FormSearch(front::Session& session, front::Prompter& prompter, QWidget* parent = nullptr);
    ~FormSearch() override;

    // The filters as the controls hold them.
    SearchFilters filters() const;
    // Runs the search and fills the list; a single match is chosen at once.
    void search();
    // Empties every filter and the list; the two pairs of boxes are ticked again.
    void newSearch();
    // The report chosen; none until one is.
    std::optional<qint32> chosenReport() const { return m_chosen; }
    const FoundReportsModel& results() const { return *m_results; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setUpSelectors();
    void setUpList();
    void chooseRow(int row);

    std::unique_ptr<Ui::FormSearch> ui;
    front::Session& m_session;
    front::CommandRunner m_commands;
    FoundReportsModel* m_results;
    std::optional<qint32> m_chosen;
};

} // namespace kelvo::management
