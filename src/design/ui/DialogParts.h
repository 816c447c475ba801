#pragma once

#include <QString>
#include <QSyntaxHighlighter>

class QAction;
#include <QLabel>
class QPlainTextEdit;
class QTextDocument;
class QToolButton;
class QWidget;

// Pieces the query designer's windows are built from.
namespace kelvo::design {

// A command of the window: a button named after the original control whose
// action (same name) the handlers connect to.
QAction& MakeCommand(QWidget& window, const char* name, const QString& caption);
QToolButton& CommandButton(QWidget& window, const char* name);

QLabel* MakeLabel(QWidget& window, const QString& text, const char* name = nullptr);

// A box of English SQL text: left to right inside the right-to-left window,
// a fixed-width font, keywords highlighted; read-only until allowed.
QPlainTextEdit* MakeEnglishBox(QWidget& window, const char* name, int lines);
// A box of Farsi text, right to left.
QPlainTextEdit* MakeFarsiBox(QWidget& window, const char* name, int lines);

// Shows SQL keywords in bold blue.
class SqlHighlighter final : public QSyntaxHighlighter {
public:
    explicit SqlHighlighter(QTextDocument* document) : QSyntaxHighlighter(document) {}

protected:
    void highlightBlock(const QString& text) override;
};

} // namespace kelvo::design
