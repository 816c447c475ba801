#include "design/ui/DialogParts.h"

#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTextCharFormat>

namespace kelvo::design {

namespace {

QPlainTextEdit* MakeBox(QWidget& window, const char* name, int lines)
{
    auto* box = new QPlainTextEdit(&window);
    box->setObjectName(QLatin1String(name));
    box->setTabChangesFocus(true);
    box->setMinimumHeight(box->fontMetrics().lineSpacing() * lines + 12);
    return box;
}

} // namespace

void SetTextDirection(QPlainTextEdit& box, Qt::LayoutDirection direction)
{
    box.setLayoutDirection(direction);
    QTextOption option = box.document()->defaultTextOption();
    option.setTextDirection(direction);
    option.setAlignment(direction == Qt::RightToLeft ? Qt::AlignRight : Qt::AlignLeft);
    box.document()->setDefaultTextOption(option);
}

QPlainTextEdit* MakeEnglishBox(QWidget& window, const char* name, int lines)
{
    QPlainTextEdit* box = MakeBox(window, name, lines);
    SetTextDirection(*box, Qt::LeftToRight);
    box->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    new SqlHighlighter(box->document());
    return box;
}

QPlainTextEdit* MakeFarsiBox(QWidget& window, const char* name, int lines)
{
    QPlainTextEdit* box = MakeBox(window, name, lines);
    SetTextDirection(*box, Qt::RightToLeft);
    return box;
}

void SqlHighlighter::highlightBlock(const QString& text)
{
    static const QRegularExpression keywords(
        QStringLiteral("\\b(select|distinct|from|where|group|order|by|as|and|or|not|in|is|null|like|asc|desc|"
                       "count|sum|max|min|avg|stdev|var|exec|execute|top|on|join|inner|left|outer|case|when|"
                       "then|else|end|between|exists)\\b"),
        QRegularExpression::CaseInsensitiveOption);
    QTextCharFormat format;
    format.setForeground(QColor(0x1f, 0x3f, 0xbf));
    format.setFontWeight(QFont::Bold);
    for (auto it = keywords.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        setFormat(int(m.capturedStart()), int(m.capturedLength()), format);
    }
}

} // namespace kelvo::design
