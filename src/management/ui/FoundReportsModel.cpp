#include "management/ui/FoundReportsModel.h"

namespace kelvo::management {

void FoundReportsModel::setReports(QList<FoundReport> reports)
{
    beginResetModel();
    m_reports = std::move(reports);
    endResetModel();
}

int FoundReportsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_reports.size());
}

int FoundReportsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant FoundReportsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_reports.size())
        return {};
    const bool centred = index.column() == ColRow || index.column() == ColID;
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(centred ? Qt::AlignCenter : Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    const FoundReport& r = m_reports[index.row()];
    switch (index.column()) {
    case ColRow:
        return index.row() + 1;
    case ColTitle:
        return r.title;
    case ColSystem:
        return r.system;
    case ColGroup:
        return r.group;
    case ColNotes:
        return r.notes;
    case ColID:
        return r.id;
    default:
        return {};
    }
}

QVariant FoundReportsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return {};
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignCenter);
    if (role != Qt::DisplayRole)
        return {};
    static const QStringList headings{QStringLiteral("رديف"),  QStringLiteral("عنوان"),   QStringLiteral("سيستم"),
                                      QStringLiteral("گروه"),  QStringLiteral("ملاحظات"), QStringLiteral("شماره")};
    return headings.value(section);
}

} // namespace kelvo::management
