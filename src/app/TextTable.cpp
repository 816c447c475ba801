#include "TextTable.h"

#include <algorithm>

namespace kelvo::app {

namespace {

bool isWide(char32_t c)
{
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) || (c >= 0xAC00 && c <= 0xD7A3)
           || (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60)
           || (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x1F300 && c <= 0x1F64F) || (c >= 0x1F900 && c <= 0x1F9FF)
           || (c >= 0x20000 && c <= 0x3FFFD);
}

// One line per cell: line breaks and tabs would break the columns.
QString flattened(QString text)
{
    for (QChar& c : text)
        if (c == u'\n' || c == u'\r' || c == u'\t')
            c = u' ';
    return text;
}

QString padded(const QString& text, int width, bool right)
{
    const QString fill(std::max(0, width - DisplayWidth(text)), u' ');
    return right ? fill + text : text + fill;
}

} // namespace

int DisplayWidth(const QString& text)
{
    int width = 0;
    for (const char32_t c : text.toUcs4()) {
        switch (QChar::category(c)) {
        case QChar::Mark_NonSpacing:
        case QChar::Mark_Enclosing:
        case QChar::Other_Format:
            break;
        default:
            width += isWide(c) ? 2 : 1;
        }
    }
    return width;
}

TextTable::TextTable(QStringList header)
    : m_header(std::move(header))
{
    for (QString& h : m_header)
        h = flattened(h);
}

void TextTable::addRow(QStringList cells)
{
    for (QString& cell : cells)
        cell = flattened(cell);
    m_rows.append(std::move(cells));
}

QString TextTable::render() const
{
    const qsizetype columns = m_header.size();
    QList<int> widths(columns, 0);
    for (qsizetype i = 0; i < columns; ++i) {
        widths[i] = DisplayWidth(m_header[i]);
        for (const QStringList& row : m_rows)
            widths[i] = std::max(widths[i], DisplayWidth(row.value(i)));
    }
    const auto line = [&](const QStringList& cells, bool header) -> QString {
        QStringList parts;
        for (qsizetype i = 0; i < columns; ++i)
            parts << padded(cells.value(i), widths[i], !header && m_rightAligned.value(i));
        // Trailing blanks of the last column are noise.
        QString text = parts.join(QStringLiteral(" | "));
        while (text.endsWith(u' '))
            text.chop(1);
        return text + u'\n';
    };
    QString out = line(m_header, true);
    QStringList rules;
    for (int w : widths)
        rules << QString(w, u'-');
    out += rules.join(QStringLiteral("-+-")) + u'\n';
    for (const QStringList& row : m_rows)
        out += line(row, false);
    return out;
}

} // namespace kelvo::app
