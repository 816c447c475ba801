#include "front/ui/WindowParts.h"

#include "front/ui/Commands.h"

#include <QAction>
#include <QBoxLayout>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QToolButton>

namespace kelvo::front {

QAction& MakeCommand(QWidget& window, const char* name, const QString& caption)
{
    auto* button = new QToolButton(&window);
    button->setObjectName(QLatin1String(name));
    button->setText(caption);
    button->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    button->setMinimumWidth(80);
    return ShowCommand(*button);
}

QToolButton& CommandButton(QWidget& window, const char* name)
{
    return *window.findChild<QToolButton*>(QLatin1String(name));
}

QBoxLayout* ButtonRow(QWidget& window, std::initializer_list<const char*> names)
{
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (const char* name : names)
        row->addWidget(&CommandButton(window, name));
    return row;
}

QBoxLayout* ButtonColumn(QWidget& window, std::initializer_list<const char*> names)
{
    auto* column = new QVBoxLayout;
    for (const char* name : names)
        column->addWidget(&CommandButton(window, name));
    column->addStretch();
    return column;
}

QLabel* MakeLabel(QWidget& window, const QString& text, const char* name)
{
    auto* label = new QLabel(text, &window);
    if (name)
        label->setObjectName(QLatin1String(name));
    label->setWordWrap(true);
    return label;
}

QStringList GridHeadings(const QString& format)
{
    QStringList headings;
    for (QString heading : format.split(u'|'))
        headings << heading.remove(u'^').trimmed();
    return headings;
}

namespace {

class SelectAllFilter final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::FocusIn) {
            auto* box = static_cast<QLineEdit*>(watched);
            // After the click that gave the focus has placed the cursor.
            QTimer::singleShot(0, box, &QLineEdit::selectAll);
        }
        return false;
    }
};

} // namespace

void SelectAllOnFocus(QLineEdit& box)
{
    box.installEventFilter(new SelectAllFilter(&box));
}

} // namespace kelvo::front
