#pragma once

#include "presentation/RowShaping.h"

#include <QString>
#include <QTableView>

namespace kelvo::presentation {

class ResultModel;

// A result grid as callers read it: row 0 holds the headings and column 0
// the row numbers, so cell (r, c) of the result is TextMatrix(r + 1, c + 1).
// It stays the same object between commands; its rows are those the model
// shows.
class ReportGrid final : public QTableView {
    Q_OBJECT
public:
    explicit ReportGrid(QWidget* parent = nullptr);

    void setResultModel(ResultModel* model);
    ResultModel* resultModel() const { return m_model; }

    QString TextMatrix(int row, int column) const;
    // Rows with the heading row; columns with the row-number column.
    int Rows() const;
    int Cols() const;
    // Alignment code of a grid column (1 left, 4 centre, 7 right).
    int ColAlignment(int column) const;
    // Width of a grid column in twips (15 to a pixel).
    int ColWidth(int column) const;
    void setColWidth(int column, int twips);
    // Colours the rows the rule names; an empty rule colours none.
    void setRowColours(const RowColourRule& rule);
    // The colours of a model row; none when the rule does not colour it.
    std::optional<RowColours> coloursOf(int row) const;

private:
    ResultModel* m_model = nullptr;
    RowColourRule m_colours;
};

} // namespace kelvo::presentation
