#include "front/classMSHFlex.h"

#include "platform/automation/VariantConversion.h"

namespace kelvo::front {

using automation::Dispatch;
using automation::ObjectOf;

namespace {

int secondOfHour(const QTime& t) { return t.minute() * 60 + t.second(); }

// Runs one step of an event handler whose failures are ignored.
template <typename Step>
void ignoringErrors(Step step)
{
    try {
        step();
    } catch (...) {
    }
}

} // namespace

classMSHFlex::classMSHFlex(Clock clock) : m_clock(clock ? std::move(clock) : Clock([] { return QTime::currentTime(); }))
{
    m_table.method(QStringLiteral("Flex_Clear"), 0, [this](QVariantList&) {
        Flex_Clear();
        return QVariant();
    });
    m_table.method(QStringLiteral("Flex_Add"), 1, [this](QVariantList& args) {
        Flex_Add(args[0]);
        return QVariant();
    });
    m_table.method(QStringLiteral("Flex_MouseDown"), 1, [this](QVariantList& args) {
        Flex_MouseDown(args[0]);
        return QVariant();
    });
    m_table.method(QStringLiteral("Flex_Scroll"), 1, [this](QVariantList& args) {
        Flex_Scroll(args[0]);
        return QVariant();
    });
}

void classMSHFlex::Flex_Clear() { m_grids.clear(); }

void classMSHFlex::Flex_Add(QVariant& inFlex)
{
    ignoringErrors([&] {
        Dispatch* grid = ObjectOf(inFlex);
        if (!grid)
            return;
        GridRecord record;
        record.Name = automation::ToText(grid->getProperty(QStringLiteral("Name")));
        m_grids.append(record);
    });
}

qsizetype classMSHFlex::find(Dispatch& grid) const
{
    const QString name = automation::ToText(grid.getProperty(QStringLiteral("Name")));
    for (qsizetype i = 0; i < m_grids.size(); ++i)
        if (m_grids[i].Name == name)
            return i;
    return -1;
}

void classMSHFlex::restore(Dispatch& grid, qsizetype index, qint32 column)
{
    // The grid may raise its scroll event from inside the assignment; the
    // restoring mark keeps that event from overwriting the columns.
    m_grids[index].restoring = true;
    ignoringErrors([&] { grid.putProperty(QStringLiteral("LeftCol"), column); });
    if (index < m_grids.size()) // the grid's handler may have cleared the list
        m_grids[index].restoring = false;
}

void classMSHFlex::Flex_Scroll(QVariant& inFlex)
{
    ignoringErrors([&] {
        Dispatch* grid = ObjectOf(inFlex);
        if (!grid)
            return;
        const qsizetype i = find(*grid);
        if (i < 0)
            return;
        m_grids[i].lastScroll = m_clock();
        if (m_grids[i].restoring)
            return;
        m_grids[i].previousCol = m_grids[i].currentCol;
        ignoringErrors([&] { m_grids[i].currentCol = automation::ToInt32(grid->getProperty(QStringLiteral("LeftCol"))); });
    });
}

void classMSHFlex::Flex_MouseDown(QVariant& inFlex)
{
    ignoringErrors([&] {
        Dispatch* grid = ObjectOf(inFlex);
        if (!grid)
            return;
        const qsizetype i = find(*grid);
        if (i < 0)
            return;
        if (secondOfHour(m_clock()) != secondOfHour(m_grids[i].lastScroll)) {
            // The last scroll was not caused by this click: stay where it left the grid.
            restore(*grid, i, m_grids[i].currentCol);
            if (i < m_grids.size())
                m_grids[i].previousCol = m_grids[i].currentCol;
        } else {
            // The grid scrolled in the same second as the click: undo that scroll.
            restore(*grid, i, m_grids[i].previousCol);
            if (i < m_grids.size())
                m_grids[i].currentCol = m_grids[i].previousCol;
        }
    });
}

} // namespace kelvo::front
