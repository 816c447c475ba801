#pragma once

#include "management/ReportSearch.h"

#include <QAbstractTableModel>

namespace kelvo::management {

// The search window's result list: row number, title, subsystem, group,
// notes and the report's number, one row per report found.
class FoundReportsModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { ColRow, ColTitle, ColSystem, ColGroup, ColNotes, ColID, ColumnCount };

    using QAbstractTableModel::QAbstractTableModel;

    void setReports(QList<FoundReport> reports);
    const QList<FoundReport>& reports() const { return m_reports; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QList<FoundReport> m_reports;
};

} // namespace kelvo::management
