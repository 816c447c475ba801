#pragma once

#include "front/ui/WindowParts.h"

#include <QString>
#include <QSyntaxHighlighter>

class QPlainTextEdit;
class QTextDocument;
class QWidget;

// Pieces the query designer's windows are built from, besides the common
// ones.
namespace kelvo::design {

using front::ButtonColumn;
using front::ButtonRow;
using front::CommandButton;
using front::MakeCommand;
using front::MakeLabel;

// A box of English SQL text: left to right inside the right-to-left window,
// a fixed-width font, keywords highlighted; read-only until allowed.
QPlainTextEdit* MakeEnglishBox(QWidget& window, const char* name, int lines);
// A box of Farsi text, right to left.
QPlainTextEdit* MakeFarsiBox(QWidget& window, const char* name, int lines);

// Writes the box's text in this direction, aligned to its start.
void SetTextDirection(QPlainTextEdit& box, Qt::LayoutDirection direction);

// Shows SQL keywords in bold blue.
class SqlHighlighter final : public QSyntaxHighlighter {
public:
    explicit SqlHighlighter(QTextDocument* document) : QSyntaxHighlighter(document) {}

protected:
    void highlightBlock(const QString& text) override;
};

} // namespace kelvo::design
