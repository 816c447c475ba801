#pragma once

#include <QString>
#include <QSyntaxHighlighter>

#include <initializer_list>

class QAction;
class QBoxLayout;
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

// A row of the named command buttons, at the window's far end (the
// accept/cancel row), or a column of them with room below.
QBoxLayout* ButtonRow(QWidget& window, std::initializer_list<const char*> names);
QBoxLayout* ButtonColumn(QWidget& window, std::initializer_list<const char*> names);

QLabel* MakeLabel(QWidget& window, const QString& text, const char* name = nullptr);

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
