#pragma once

#include "management/ReportSearch.h"

#include <QDialog>

#include <functional>
#include <memory>

namespace Ui {
class FormSearch;
}

namespace kelvo::front {
struct Session;
class Prompter;
class WindowRunner;
} // namespace kelvo::front

namespace kelvo::management {

// Finds report definitions by their header columns. Choosing a result (double
// click or Enter on a row, or a search with exactly one match) closes the
// window and hands the report's identifier to viewReport.
class FormSearch final : public QDialog {
    Q_OBJECT
public:
    FormSearch(front::Session& session, front::Prompter& prompter, front::WindowRunner& windows,
               std::function<void(qint32 reportID)> viewReport, QWidget* parent = nullptr);
    ~FormSearch() override;

    // The filters as the controls hold them.
    SearchFilters filters() const;
    // Runs the search and fills the grid; a single match is opened at once.
    void search();
    // Empties every filter and the grid; the two pairs of boxes are ticked again.
    void newSearch();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setUpSelectors();
    void setUpGrid();
    void chooseRow(int row);
    void showFailure(const QString& message, const std::exception& error);

    std::unique_ptr<Ui::FormSearch> ui;
    front::Session& m_session;
    front::Prompter& m_prompter;
    front::WindowRunner& m_windows;
    std::function<void(qint32)> m_viewReport;
};

} // namespace kelvo::management
