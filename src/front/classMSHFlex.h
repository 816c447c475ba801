#pragma once

#include "platform/automation/MemberTable.h"

#include <QTime>

#include <functional>

namespace kelvo::front {

// Keeps a host's grids from jumping sideways on a click: when a mouse-down
// comes in the same second as the grid's last scroll, the scroll is undone.
// The host registers each grid (any object with "Name" and a read/write
// "LeftCol") and forwards its scroll and mouse-down events. Failures of the
// grid calls are ignored; unregistered grids are ignored.
class classMSHFlex final : public automation::TableDispatch {
public:
    static inline const QString ProgId = QStringLiteral("KelvoReportGenerator.classMSHFlex");

    // The time of day the events are stamped with.
    using Clock = std::function<QTime()>;

    explicit classMSHFlex(Clock clock = {});

    void Flex_Clear();
    void Flex_Add(QVariant& inFlex);
    void Flex_MouseDown(QVariant& inFlex);
    void Flex_Scroll(QVariant& inFlex);

    qsizetype gridCount() const { return m_grids.size(); }

private:
    struct GridRecord {
        QString Name;
        qint32 currentCol = 1;
        qint32 previousCol = 1;
        bool restoring = false;
        QTime lastScroll = QTime(0, 0); // none yet: midnight
    };

    // Position of the first record of the grid's name, or -1.
    qsizetype find(automation::Dispatch& grid) const;
    // Sets the grid's LeftCol while the record is marked restoring.
    void restore(automation::Dispatch& grid, qsizetype index, qint32 column);

    Clock m_clock;
    QList<GridRecord> m_grids;
};

} // namespace kelvo::front
