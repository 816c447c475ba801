#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace kelvo::app {

// Columns a terminal gives a text: combining marks and format characters
// (such as the zero-width non-joiner of Persian words) take none, East Asian
// wide characters two, everything else one.
int DisplayWidth(const QString& text);

// Rows of text laid out in aligned columns under a header line.
class TextTable {
public:
    explicit TextTable(QStringList header);
    // rightAligned: per column, for numbers.
    void setRightAligned(QList<bool> rightAligned) { m_rightAligned = std::move(rightAligned); }
    void addRow(QStringList cells);
    QString render() const;

private:
    QStringList m_header;
    QList<QStringList> m_rows;
    QList<bool> m_rightAligned;
};

} // namespace kelvo::app
