#include "controls/ui/KelvoSelector.h"

#include "platform/db/Connection.h"
#include "platform/db/DbError.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QStringListModel>
#include <QToolButton>

namespace kelvo::controls {

namespace {

QString DisplayName(const SelectorRow& row)
{
    return row.name.isEmpty() ? row.code : row.name;
}

} // namespace

KelvoSelector::KelvoSelector(QWidget* parent) : QWidget(parent)
{
    setLayoutDirection(Qt::RightToLeft);
    txtCode = new QLineEdit(this);
    txtCode->setObjectName(QStringLiteral("txtCode"));
    txtCode->setMaximumWidth(120);
    txtCode->setLayoutDirection(Qt::LeftToRight); // codes are English names and numbers

    txtName = new QLineEdit(this);
    txtName->setObjectName(QStringLiteral("txtName"));
    cmdList = new QToolButton(this);
    cmdList->setObjectName(QStringLiteral("cmdList"));
    cmdList->setArrowType(Qt::DownArrow);
    cmdList->setFocusPolicy(Qt::NoFocus);

    // Names are searched by any part of them.
    m_nameModel = new QStringListModel(this);
    m_names = new QCompleter(m_nameModel, this);
    m_names->setCompletionMode(QCompleter::PopupCompletion);
    m_names->setFilterMode(Qt::MatchContains);
    m_names->setCaseSensitivity(Qt::CaseInsensitive);
    m_names->setMaxVisibleItems(15);
    txtName->setCompleter(m_names);
    m_names->popup()->setLayoutDirection(Qt::RightToLeft);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(txtCode);
    layout->addWidget(txtName, 1);
    layout->addWidget(cmdList);
    setFocusProxy(txtCode);

    connect(txtCode, &QLineEdit::textEdited, this, &KelvoSelector::codeEdited);
    connect(txtCode, &QLineEdit::editingFinished, this, &KelvoSelector::codeFinished);
    connect(m_names, qOverload<const QString&>(&QCompleter::activated), this, &KelvoSelector::nameChosen);
    connect(txtName, &QLineEdit::editingFinished, this, &KelvoSelector::nameFinished);
    connect(cmdList, &QToolButton::clicked, this, &KelvoSelector::showList);
}

KelvoSelector::~KelvoSelector() = default;

QString KelvoSelector::Connection() const
{
    return m_connection ? m_connection->connectionString() : QString();
}

void KelvoSelector::setTitle(const QString& title)
{
    m_title = title;
    txtName->setPlaceholderText(title);
    setToolTip(title);
}

void KelvoSelector::setRightToLeft(bool rightToLeft)
{
    setLayoutDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
}

void KelvoSelector::Refresh()
{
    load(false);
}

void KelvoSelector::RefreshFiltered()
{
    load(true);
}

db::Connection& KelvoSelector::connection() const
{
    if (!m_connection)
        throw db::DbError(QStringLiteral("The selector over %1 has no connection.").arg(m_majorView));
    return *m_connection;
}

void KelvoSelector::load(bool filtered)
{
    QList<SelectorRow> major, offered;
    try {
        major = LoadSelectorRows(connection(), m_majorView, filtered ? m_majorFilter : QString());
        offered = m_minorView.trimmed().isEmpty()
                      ? major
                      : LoadSelectorRows(connection(), m_minorView, filtered ? m_minorFilter : QString());
    } catch (...) {
        fillList({}, {});
        throw;
    }
    fillList(std::move(major), std::move(offered));
}

// Puts the rows into the lists and clears the choice (raising Change when
// one was made).
void KelvoSelector::fillList(QList<SelectorRow> major, QList<SelectorRow> offered)
{
    m_major = std::move(major);
    m_offered = std::move(offered);
    QStringList names;
    for (const SelectorRow& row : m_offered)
        names.append(DisplayName(row));
    m_nameModel->setStringList(names);
    choose(nullptr, Source::Program);
}

QString KelvoSelector::Code() const
{
    return m_choice ? m_choice->code : QString();
}

int KelvoSelector::ID() const
{
    return m_choice ? m_choice->id : -1;
}

void KelvoSelector::setID(int id)
{
    int index = FindRowById(m_major, id);
    if (index >= 0) {
        choose(&m_major[index], Source::Program);
        return;
    }
    chooseOffered(FindRowById(m_offered, id), Source::Program);
}

QString KelvoSelector::Value() const
{
    if (!m_choice || m_choice->value.isNull())
        return {};
    return m_choice->value.toString();
}

void KelvoSelector::choose(const SelectorRow* row, Source source)
{
    const bool changed = row ? !m_choice || m_choice->id != row->id || m_choice->code != row->code
                             : m_choice.has_value();
    if (row)
        m_choice = *row;
    else
        m_choice.reset();
    showChoice(source);
    if (changed)
        Q_EMIT Change();
}

void KelvoSelector::chooseOffered(int index, Source source)
{
    choose(index < 0 ? nullptr : &m_offered[index], source);
}

// Shows the chosen row in the boxes, except in the code box while the user
// types in it.
void KelvoSelector::showChoice(Source source)
{
    QScopedValueRollback guard(m_updating, true);
    if (source != Source::CodeBox)
        txtCode->setText(Code());
    txtName->setText(m_choice ? DisplayName(*m_choice) : QString());
}

void KelvoSelector::codeEdited(const QString& text)
{
    if (m_updating)
        return;
    const QString code = text.trimmed();
    chooseOffered(code.isEmpty() ? -1 : FindRowByCode(m_offered, code), Source::CodeBox);
}

void KelvoSelector::codeFinished()
{
    if (m_updating)
        return;
    const QString code = txtCode->text().trimmed();
    if (IsEmpty() && !code.isEmpty()) {
        const QList<int> candidates = RowsWithCodePrefix(m_offered, code);
        if (candidates.size() == 1) {
            chooseOffered(candidates.first(), Source::Program);
            return;
        }
    }
    showChoice(Source::Program);
}

void KelvoSelector::nameChosen(const QString& name)
{
    if (m_updating)
        return;
    for (int i = 0; i < m_offered.size(); ++i) {
        if (DisplayName(m_offered[i]) == name) {
            chooseOffered(i, Source::Program);
            return;
        }
    }
}

void KelvoSelector::nameFinished()
{
    // While the list of names is open the choice is made there; changing the
    // text now would change the list under the user's selection.
    if (m_updating || m_names->popup()->isVisible())
        return;
    const QString typed = txtName->text().trimmed();
    if (typed.isEmpty()) {
        choose(nullptr, Source::Program);
        return;
    }
    for (int i = 0; i < m_offered.size(); ++i) {
        if (DisplayName(m_offered[i]).compare(typed, Qt::CaseInsensitive) == 0) {
            chooseOffered(i, Source::Program);
            return;
        }
    }
    showChoice(Source::Program); // a partial name goes back to the chosen row's name
}

void KelvoSelector::showList()
{
    if (!isEnabled())
        return;
    txtName->setFocus();
    m_names->setCompletionPrefix(QString());
    m_names->complete();
}

void UseCaptionViews(KelvoSelector& selector, db::Connection& connection)
{
    selector.setConnection(connection);
    selector.setMajorView(QStringLiteral("vwKelvoLangCaptionsMajor"));
    selector.setMinorView(QStringLiteral("vwKelvoLangCaptionsMinor"));
    selector.setRightToLeft(true);
}

} // namespace kelvo::controls
