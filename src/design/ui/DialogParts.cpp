#include "design/ui/DialogParts.h"

#include "front/ui/Commands.h"

#include <QAction>
#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTextCharFormat>
#include <QToolButton>

namespace kelvo::design {

QAction& MakeCommand(QWidget& window, const char* name, const QString& caption)
{
    auto* button = new QToolButton(&window);
    button->setObjectName(QLatin1String(name));
    button->setText(caption);
    button->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    button->setMinimumWidth(80);
    return front::ShowCommand(*button);
}

QToolButton& CommandButton(QWidget& window, const char* name)
{
    return *window.findChild<QToolButton*>(QLatin1String(name));
}

QLabel* MakeLabel(QWidget& window, const QString& text, const char* name)
{
    auto* label = new QLabel(text, &window);
    if (name)
        label->setObjectName(QLatin1String(name));
    label->setWordWrap(true);
    return label;
}

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

QPlainTextEdit* MakeEnglishBox(QWidget& window, const char* name, int lines)
{
    QPlainTextEdit* box = MakeBox(window, name, lines);
    box->setLayoutDirection(Qt::LeftToRight);
    QTextOption option = box->document()->defaultTextOption();
    option.setTextDirection(Qt::LeftToRight);
    option.setAlignment(Qt::AlignLeft);
    box->document()->setDefaultTextOption(option);
    box->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    new SqlHighlighter(box->document());
    return box;
}

QPlainTextEdit* MakeFarsiBox(QWidget& window, const char* name, int lines)
{
    QPlainTextEdit* box = MakeBox(window, name, lines);
    box->setLayoutDirection(Qt::RightToLeft);
    QTextOption option = box->document()->defaultTextOption();
    option.setTextDirection(Qt::RightToLeft);
    option.setAlignment(Qt::AlignRight);
    box->document()->setDefaultTextOption(option);
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
