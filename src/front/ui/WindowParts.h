#pragma once

#include <QString>
#include <QStringList>

#include <initializer_list>

class QAction;
class QBoxLayout;
class QLabel;
class QLineEdit;
class QToolButton;
class QWidget;

// Pieces the dialogs are built from.
namespace kelvo::front {

// A command of the window: a button named after the original control whose
// action (same name) the handlers connect to.
QAction& MakeCommand(QWidget& window, const char* name, const QString& caption);
QToolButton& CommandButton(QWidget& window, const char* name);

// A row of the named command buttons, at the window's far end (the
// accept/cancel row), or a column of them with room below.
QBoxLayout* ButtonRow(QWidget& window, std::initializer_list<const char*> names);
QBoxLayout* ButtonColumn(QWidget& window, std::initializer_list<const char*> names);

QLabel* MakeLabel(QWidget& window, const QString& text, const char* name = nullptr);

// The headings of a grid format ("a |^b |^c": "|" between columns, "^" a
// centred one), trimmed.
QStringList GridHeadings(const QString& format);

// The box's whole text is selected whenever it takes the focus, so typing
// replaces it.
void SelectAllOnFocus(QLineEdit& box);

} // namespace kelvo::front
