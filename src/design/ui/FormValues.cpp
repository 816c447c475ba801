#include "design/ui/FormValues.h"

#include "controls/ui/KelvoDate.h"
#include "controls/ui/KelvoSelector.h"
#include "design/Messages.h"
#include "design/ui/DialogParts.h"
#include "front/HostContext.h"
#include "front/Prompter.h"
#include "front/ui/AppStyle.h"
#include "front/ui/Windows.h"
#include "query/Vocabulary.h"
#include "text/TextPrimitives.h"

#include <QAbstractListModel>
#include <QAction>
#include <QDate>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace kelvo::design {

// The distinct values of the column, as shown and as stored.
class ColumnValuesModel final : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;
    void setValues(QList<ColumnValue> values)
    {
        beginResetModel();
        m_values = std::move(values);
        endResetModel();
    }
    const ColumnValue& at(int row) const { return m_values[row]; }
    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : int(m_values.size()); }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid() || index.row() >= m_values.size())
            return {};
        if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
            return m_values[index.row()].shown;
        if (role == Qt::UserRole)
            return m_values[index.row()].raw;
        return {};
    }

private:
    QList<ColumnValue> m_values;
};

namespace {

// The numeric value of a text as a statement writes it.
QString NumericValue(const QString& text)
{
    return QString::number(text::LeadingNumber(text.trimmed()), 'g', 17);
}

} // namespace

FormValues::FormValues(front::Session& session, front::Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_session(session), m_prompter(prompter), m_commands(prompter),
      m_normal(new QRadioButton(kNormalValuesCaption, this)), m_environment(new QRadioButton(kEnvValuesCaption, this)),
      m_normalFrame(new QWidget(this)), m_environmentFrame(new QWidget(this)), m_text(new QLineEdit(m_normalFrame)),
      m_hint(new QLabel(kInexactHint, m_normalFrame)), m_selector(new controls::KelvoSelector(m_normalFrame)),
      m_date(new controls::KelvoDate(m_normalFrame)), m_values(new QListView(m_normalFrame)),
      m_valuesModel(new ColumnValuesModel(this)), m_environmentValues(new QListWidget(m_environmentFrame))
{
    setObjectName(QStringLiteral("FormValues"));
    setWindowTitle(kValuesWindowCaption);
    front::StyleWindow(*this, front::ColoursOf(session.context));
    m_normal->setObjectName(QStringLiteral("optNormalValues"));
    m_environment->setObjectName(QStringLiteral("optEnvValues"));
    m_normalFrame->setObjectName(QStringLiteral("FormNormalValues"));
    m_environmentFrame->setObjectName(QStringLiteral("FormEnvValues"));
    m_text->setObjectName(QStringLiteral("txtValue"));
    m_hint->setObjectName(QStringLiteral("lblHint"));
    m_selector->setObjectName(QStringLiteral("gmpValue"));
    m_selector->setConnection(session.DtEn);
    m_selector->setRightToLeft(true);
    m_date->setObjectName(QStringLiteral("gdcValue"));
    m_values->setObjectName(QStringLiteral("lstValues"));
    m_values->setModel(m_valuesModel);
    m_values->setUniformItemSizes(true);
    m_environmentValues->setObjectName(QStringLiteral("lstEnvValues"));
    m_environmentValues->addItems({kEmployeeIdValue, kPositionIdValue, kUserIdValue, kRunDateValue, kRunTimeValue});

    connect(m_normal, &QRadioButton::toggled, this, [this](bool on) { showPage(on); });
    m_commands.connect(MakeCommand(*this, "cmdOK", kConfirmCaption), [this] { cmdOK_Click(); });
    m_commands.connect(MakeCommand(*this, "cmdCancel", kCancelCaption), [this] {
        m_accepted = false;
        reject();
    });

    auto* normal = new QGridLayout(m_normalFrame);
    normal->addWidget(MakeLabel(*m_normalFrame, kValueLabel, "lblValue"), 0, 0);
    normal->addWidget(m_text, 0, 1);
    normal->addWidget(m_selector, 1, 1);
    normal->addWidget(m_date, 2, 1);
    normal->addWidget(m_hint, 3, 1);
    normal->addWidget(MakeLabel(*m_normalFrame, kChooseValuesLabel, "lbl1"), 4, 0, 1, 2);
    normal->addWidget(m_values, 5, 0, 1, 2);
    normal->setColumnStretch(1, 1);
    normal->setRowStretch(5, 1);
    auto* environment = new QVBoxLayout(m_environmentFrame);
    environment->addWidget(m_environmentValues);

    auto* pages = new QHBoxLayout;
    pages->addWidget(m_normal);
    pages->addWidget(m_environment);
    pages->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(pages);
    layout->addWidget(m_normalFrame, 1);
    layout->addWidget(m_environmentFrame, 1);
    layout->addLayout(ButtonRow(*this, {"cmdOK", "cmdCancel"}));
    resize(460, 460);
}

FormValues::~FormValues() = default;

void FormValues::prepare(const QString& table, const QString& column, bool multiSelect,
                         const std::optional<QString>& type)
{
    m_result.clear();
    m_accepted = false;
    m_multiSelect = multiSelect;
    m_values->setSelectionMode(multiSelect ? QAbstractItemView::MultiSelection : QAbstractItemView::SingleSelection);
    m_environmentValues->setSelectionMode(multiSelect ? QAbstractItemView::MultiSelection
                                                      : QAbstractItemView::SingleSelection);
    m_environmentValues->clearSelection();
    m_date->setValue(QDate::currentDate());
    m_text->clear();

    m_source = ColumnValueSource();
    m_commands.run([&] { m_source = LoadColumnValues(m_session.DtEn, table, column); });
    if (type)
        m_source.type = *type;
    m_valuesModel->setValues(m_source.values);

    const bool views = !m_source.majorView.isEmpty();
    const bool date = !views && m_source.type.right(4).toUpper() == QLatin1String("DATE");
    if (views) {
        m_selector->setMajorView(m_source.majorView);
        m_selector->setMinorView(m_source.minorView);
        m_commands.run([this] { m_selector->Refresh(); });
    }
    m_selector->setVisible(!multiSelect && views);
    m_selector->setActive(views);
    m_date->setVisible(!multiSelect && date);
    m_date->setActive(date);
    m_text->setVisible(!multiSelect && !views && !date);
    m_hint->setVisible(!multiSelect);
    findChild<QLabel*>(QStringLiteral("lblValue"))->setVisible(!multiSelect);
    m_normal->setChecked(true);
    showPage(true);
}

void FormValues::ClearValues()
{
    m_values->clearSelection();
}

void FormValues::showPage(bool normal)
{
    m_normalFrame->setVisible(normal);
    m_environmentFrame->setVisible(!normal);
}

QString FormValues::quoted(const QString& value) const
{
    return u'\'' + query::QuoteEscape(value.trimmed()) + u'\'';
}

QString FormValues::dateValue(const QString& value, bool blanks) const
{
    const QString call = QStringLiteral(" to_date('") + query::QuoteEscape(value.trimmed()) +
                         QStringLiteral("','yyyy/mm/dd')");
    return blanks ? call + u' ' : call;
}

QString FormValues::normalValue() const
{
    const bool oracle = m_session.DtEn.isOracle();
    const QString& type = m_source.type;
    QStringList picked;
    const QModelIndexList selected = m_values->selectionModel()->selectedIndexes();
    QList<int> rows;
    for (const QModelIndex& index : selected)
        rows << index.row();
    std::sort(rows.begin(), rows.end());
    for (int row : rows) {
        const QString raw = m_valuesModel->at(row).raw;
        if (oracle && query::IsDateType(type))
            picked << dateValue(raw, false);
        else if (query::IsQuotedType(type))
            picked << quoted(raw);
        else
            picked << NumericValue(raw);
        if (!m_multiSelect)
            break;
    }
    if (!picked.isEmpty() || m_multiSelect)
        return picked.join(u',');

    if (m_selector->isVisible()) {
        if (m_selector->IsEmpty())
            return {};
        return query::IsNumericType(type) ? QString::number(m_selector->ID()) : quoted(m_selector->Code());
    }
    if (m_date->isVisible()) {
        if (m_date->IsEmpty())
            return {};
        return oracle && query::IsDateType(type) ? dateValue(m_date->Text(), true) : u'\'' + m_date->Text() + u'\'';
    }
    if (m_text->text().trimmed().isEmpty())
        return {};
    if (!query::IsQuotedType(type))
        return NumericValue(m_text->text());
    if (oracle && query::IsDateType(type))
        return dateValue(m_text->text(), true);
    return quoted(m_text->text());
}

void FormValues::cmdOK_Click()
{
    QString value;
    if (m_environment->isChecked()) {
        QStringList texts;
        for (int i = 0; i < m_environmentValues->count(); ++i) {
            if (m_environmentValues->item(i)->isSelected())
                texts << m_environmentValues->item(i)->text();
        }
        value = texts.join(u',');
    } else {
        value = normalValue();
    }
    // A value is always given: an empty one would write "()" into the condition.
    if (value.trimmed().isEmpty()) {
        m_prompter.ShowMessage(kErrorTitle, kNoValueMessage);
        return;
    }
    m_result = u'(' + value + u')';
    m_accepted = true;
    accept();
}

std::optional<QString> getValues(front::Session& session, front::Prompter& prompter, front::Windows& windows,
                                 const QString& table, const QString& column, bool multiSelect,
                                 const std::optional<QString>& type)
{
    FormValues window(session, prompter);
    window.prepare(table, column, multiSelect, type);
    windows.show(window, true);
    if (!window.Accepted())
        return std::nullopt;
    return window.Result();
}

} // namespace kelvo::design
