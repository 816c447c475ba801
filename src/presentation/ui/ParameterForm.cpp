#include "presentation/ui/ParameterForm.h"

#include "controls/SelectorRows.h"
#include "controls/ui/KelvoDate.h"
#include "controls/ui/KelvoSelector.h"
#include "front/Messages.h"
#include "front/Prompter.h"
#include "presentation/Messages.h"
#include "query/Vocabulary.h"
#include "text/PersianDate.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDoubleValidator>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace kelvo::presentation {

namespace {

constexpr int kTwipsPerPixel = 15;
const QString kTitle = QStringLiteral("پارامترهاي گزارش");

} // namespace

ParameterForm::ParameterForm(const ReportDefinition& d, db::Connection& connection, front::Prompter& prompter,
                             const ParameterValues& fed, QWidget* parent)
    : QDialog(parent), m_definition(d), m_connection(connection), m_prompter(prompter), m_fed(fed)
{
    setObjectName(QStringLiteral("ParameterForm"));
    setWindowTitle(kTitle + QStringLiteral(" - ") + d.title);
    setLayoutDirection(Qt::RightToLeft);
    auto* grid = new QGridLayout;
    const int columns = std::max(1, d.formColumns);
    const int rowHeight = std::max(20, d.formRowHeight / kTwipsPerPixel);
    for (int c = 0; c < columns; ++c)
        grid->setColumnStretch(c, 1);

    // Controls fill the grid in form order, left to right in reading order
    // (right to left on screen), wrapping to the next row.
    int row = 0, column = 0, rowsTaken = 1;
    for (const ReportParameter& p : d.parameters) {
        if (!p.visible)
            continue;
        const int span = std::min(p.colSpan, columns);
        if (column + span > columns) {
            row += rowsTaken;
            column = 0;
            rowsTaken = 1;
        }
        Entry entry{&p, nullptr, {}};
        auto* cell = new QWidget;
        auto* cellLayout = new QVBoxLayout(cell);
        cellLayout->setContentsMargins(2, 2, 2, 2);
        auto* title = new QLabel(p.title());
        title->setObjectName(QStringLiteral("lbl") + p.name);
        cellLayout->addWidget(title);
        QWidget* control = makeControl(p, entry, fed.value(p.parameterID));
        control->setObjectName(QStringLiteral("par") + p.name);
        control->setMinimumHeight(rowHeight * std::max(1, p.rowSpan) - title->sizeHint().height());
        cellLayout->addWidget(control, 1);
        title->setBuddy(control);
        entry.control = control;
        m_entries.append(entry);
        grid->addWidget(cell, row, column, std::max(1, p.rowSpan), span);
        column += span;
        rowsTaken = std::max(rowsTaken, p.rowSpan);
    }

    auto* buttons = new QDialogButtonBox;
    QPushButton* ok = buttons->addButton(QStringLiteral("تاييد"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    QPushButton* cancel = buttons->addButton(QStringLiteral("انصراف"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &ParameterForm::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ParameterForm::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch(1);
    layout->addWidget(buttons);
    resize(std::max(360, columns * 4000 / kTwipsPerPixel / 2 + 40), sizeHint().height());
}

ParameterForm::~ParameterForm() = default;

QWidget* ParameterForm::makeControl(const ReportParameter& p, Entry& entry, const QVariantList& fed)
{
    const QVariant first = fed.value(0);
    switch (p.controlTypeID) {
    case ControlDate: {
        auto* date = new controls::KelvoDate;
        if (!first.isNull())
            date->setValue(text::ParseJalaliText(first.toString()));
        entry.read = [date] { return date->IsEmpty() ? QVariantList() : QVariantList{date->Text()}; };
        return date;
    }
    case ControlSelector:
    case ControlSearchSelector:
    case ControlDropDown: {
        auto* selector = new controls::KelvoSelector;
        selector->setRightToLeft(true);
        selector->setConnection(m_connection);
        selector->setMajorView(p.majorView);
        selector->setMinorView(p.minorView.isEmpty() ? p.majorView : p.minorView);
        selector->setTitle(p.title());
        selector->Refresh();
        if (!first.isNull())
            selector->setID(first.toInt());
        const bool numeric = query::IsNumericType(p.type);
        entry.read = [selector, numeric] {
            if (selector->IsEmpty())
                return QVariantList();
            return QVariantList{numeric ? QVariant(selector->ID()) : QVariant(selector->Code())};
        };
        return selector;
    }
    case ControlTreeSelector:
    case ControlMultiList: {
        auto* list = new QListWidget;
        list->setSelectionMode(QAbstractItemView::MultiSelection);
        const QString view = p.minorView.isEmpty() ? p.majorView : p.minorView;
        for (const controls::SelectorRow& r : controls::LoadSelectorRows(m_connection, view, QString())) {
            auto* item = new QListWidgetItem(r.name.isEmpty() ? r.code : r.name, list);
            item->setData(Qt::UserRole, r.id);
            item->setSelected(fed.contains(QVariant(r.id)));
        }
        entry.read = [list] {
            QVariantList values;
            for (int i = 0; i < list->count(); ++i)
                if (list->item(i)->isSelected())
                    values << list->item(i)->data(Qt::UserRole);
            return values;
        };
        return list;
    }
    case ControlCheckBox: {
        auto* box = new QCheckBox(p.title());
        box->setChecked(!first.isNull() && first.toInt() != 0);
        entry.read = [box] { return QVariantList{box->isChecked() ? 1 : 0}; };
        return box;
    }
    default: {
        auto* box = new QLineEdit;
        if (query::IsNumericType(p.type)) {
            box->setValidator(new QDoubleValidator(box));
            box->setLayoutDirection(Qt::LeftToRight);
        }
        if (!first.isNull())
            box->setText(first.toString());
        entry.read = [box, &p] {
            const QVariant v = ParameterValueFromText(p, box->text());
            return v.isNull() ? QVariantList() : QVariantList{v};
        };
        return box;
    }
    }
}

ParameterValues ParameterForm::values() const
{
    ParameterValues values;
    for (const ReportParameter& p : m_definition.parameters)
        if (!p.visible && m_fed.contains(p.parameterID))
            values.insert(p.parameterID, m_fed.value(p.parameterID));
    for (const Entry& e : m_entries)
        values.insert(e.parameter->parameterID, e.read());
    return values;
}

const ReportParameter* ParameterForm::firstEmpty() const
{
    for (const Entry& e : m_entries)
        if (e.read().isEmpty())
            return e.parameter;
    return nullptr;
}

void ParameterForm::accept()
{
    try {
        if (const ReportParameter* empty = firstEmpty()) {
            m_prompter.ShowMessage(front::kErrorTitle, kEmptyParameterMessage.arg(empty->title()));
            for (const Entry& e : m_entries)
                if (e.parameter == empty)
                    e.control->setFocus();
            return;
        }
        values();
    } catch (const RunError& e) {
        m_prompter.ShowMessage(front::kErrorTitle, e.message());
        return;
    }
    QDialog::accept();
}

} // namespace kelvo::presentation
