#include "presentation/ui/FormExpressions.h"

#include "controls/ui/KelvoSelector.h"
#include "front/HostContext.h"
#include "front/Prompter.h"
#include "front/ui/AppStyle.h"
#include "front/ui/WindowParts.h"
#include "front/ui/Windows.h"
#include "presentation/Messages.h"
#include "text/PersianText.h"
#include "text/TextPrimitives.h"

#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace kelvo::presentation {

namespace {

QString DisplayText(const std::optional<bool>& positiveOnly)
{
    if (!positiveOnly)
        return {};
    return *positiveOnly ? kPositiveOnlyText : kNegativeOnlyText;
}

void SetEnabled(QWidget& window, const char* command, bool enabled)
{
    window.findChild<QAction*>(QLatin1String(command))->setEnabled(enabled);
}

} // namespace

// ---------------------------------------------------------------- FormAddExpr

FormAddExpr::FormAddExpr(front::Session& session, front::Prompter& prompter, front::Windows& windows,
                         const QStringList& headings, const QStringList& titles, QWidget* parent)
    : QDialog(parent), m_prompter(prompter), m_windows(windows), m_commands(prompter), m_headings(headings),
      m_titles(titles), m_caption(new controls::KelvoSelector(this)), m_title(new QLineEdit(this)),
      m_expression(new QLineEdit(this)), m_farsi(new QLineEdit(this)), m_column(new QComboBox(this)),
      m_display(new QComboBox(this)), m_firstRow(new QRadioButton(kFirstRowOption, this)),
      m_laterRows(new QRadioButton(kLaterRowsOption, this)), m_both(new QRadioButton(kBothOption, this))
{
    setObjectName(QStringLiteral("FormAddExpr"));
    setWindowTitle(kExpressionEditorCaption);
    front::StyleWindow(*this, front::ColoursOf(session.context));
    m_caption->setObjectName(QStringLiteral("gmpCaption"));
    controls::UseCaptionViews(*m_caption, session.DtEn);
    m_title->setObjectName(QStringLiteral("txtDescription"));
    m_expression->setObjectName(QStringLiteral("txtExpr"));
    m_expression->setLayoutDirection(Qt::LeftToRight);
    m_farsi->setObjectName(QStringLiteral("txtFarsiExpr"));
    m_farsi->setReadOnly(true);
    m_column->setObjectName(QStringLiteral("cmbColumn"));
    m_column->setEditable(true);
    m_column->setInsertPolicy(QComboBox::NoInsert);
    for (int i = 1; i < m_headings.size(); ++i) {
        m_column->addItem(m_headings[i] + kCurrentRowSuffix, i);
        m_column->addItem(m_headings[i] + kPreviousRowSuffix, -i);
    }
    m_column->setCurrentIndex(-1);
    m_display->setObjectName(QStringLiteral("cmbJustShowPositiveValue"));
    m_display->addItem(QString(), -1);
    m_display->addItem(kPositiveOnlyText, 1);
    m_display->addItem(kNegativeOnlyText, 0);
    m_firstRow->setObjectName(QStringLiteral("optFirstRowExpression"));
    m_laterRows->setObjectName(QStringLiteral("optExpression"));
    m_both->setObjectName(QStringLiteral("optBoth"));
    auto* kinds = new QButtonGroup(this);
    for (QRadioButton* option : {m_firstRow, m_laterRows, m_both})
        kinds->addButton(option);
    // Which expression the box edits.
    connect(kinds, &QButtonGroup::buttonClicked, this, [this] {
        const QSignalBlocker blocker(m_expression);
        m_expression->setText(m_firstRow->isChecked() ? m_firstRowText : m_general);
        m_farsi->setText(FarsiExpression(m_expression->text(), m_headings));
    });
    connect(m_expression, &QLineEdit::textChanged, this, &FormAddExpr::expressionEdited);
    connect(m_caption, &controls::KelvoSelector::Change, this, [this] {
        for (const controls::SelectorRow& row : m_caption->majorRows())
            if (row.id == m_caption->ID())
                m_title->setText(row.name);
    });

    m_commands.connect(front::MakeCommand(*this, "cmdAdd", kAddCaption), [this] { addOperand(); });
    const std::pair<const char*, const char*> operators[] = {
        {"cmdPlus", "+"}, {"cmdMinus", "-"}, {"cmdMultiply", "*"}, {"cmdDivide", "/"}};
    for (const auto& [name, sign] : operators)
        m_commands.connect(front::MakeCommand(*this, name, QLatin1String(sign)),
                           [this, s = QLatin1String(sign)] { append(s, true); });
    m_commands.connect(front::MakeCommand(*this, "cmdOpenPar", QStringLiteral("(")),
                       [this] { append(QStringLiteral("("), true); });
    m_commands.connect(front::MakeCommand(*this, "cmdClosePar", QStringLiteral(")")),
                       [this] { append(QStringLiteral(")"), false); });
    m_commands.connect(front::MakeCommand(*this, "cmdClear", kClearCaption), [this] {
        m_expression->clear();
        m_expectOperand = true;
        updateCommands();
    });
    m_commands.connect(front::MakeCommand(*this, "cmdOK", kConfirmCaption), [this] { accept(); });
    m_commands.connect(front::MakeCommand(*this, "cmdCancel", kCancelCaption), [this] { reject(); });
    connect(m_column, &QComboBox::currentTextChanged, this, &FormAddExpr::updateCommands);

    auto* grid = new QGridLayout;
    grid->addWidget(front::MakeLabel(*this, kTitleLabel), 0, 0);
    grid->addWidget(m_caption, 0, 1);
    grid->addWidget(m_title, 1, 1);
    auto* operandRow = new QHBoxLayout;
    operandRow->addWidget(m_column, 1);
    operandRow->addWidget(&front::CommandButton(*this, "cmdAdd"));
    grid->addLayout(operandRow, 2, 1);
    auto* operatorRow = new QHBoxLayout;
    for (const char* name : {"cmdPlus", "cmdMinus", "cmdMultiply", "cmdDivide", "cmdOpenPar", "cmdClosePar", "cmdClear"})
        operatorRow->addWidget(&front::CommandButton(*this, name));
    grid->addLayout(operatorRow, 3, 1);
    grid->addWidget(m_expression, 4, 1);
    grid->addWidget(front::MakeLabel(*this, kTypeValueHint), 5, 1);
    grid->addWidget(m_farsi, 6, 1);
    auto* kindsBox = new QGroupBox(kCalculationKindCaption, this);
    auto* kindsRow = new QHBoxLayout(kindsBox);
    for (QRadioButton* option : {m_firstRow, m_laterRows, m_both})
        kindsRow->addWidget(option);
    grid->addWidget(kindsBox, 7, 1);
    grid->addWidget(front::MakeLabel(*this, kDisplayKindLabel), 8, 0);
    grid->addWidget(m_display, 8, 1);
    grid->setColumnStretch(1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(front::ButtonRow(*this, {"cmdOK", "cmdCancel"}));
    resize(620, 380);
    m_both->setChecked(true);
    m_display->setCurrentIndex(0);
    m_commands.run([this] { m_caption->Refresh(); });
    updateCommands();
}

std::optional<StoredExpression> FormAddExpr::ClearShow()
{
    load(StoredExpression{});
    m_windows.show(*this, true);
    return m_result;
}

std::optional<StoredExpression> FormAddExpr::Edit(const StoredExpression& expression)
{
    load(expression);
    m_windows.show(*this, true);
    return m_result;
}

void FormAddExpr::load(const StoredExpression& s)
{
    m_result.reset();
    const RowExpression& e = s.expression;
    if (s.captionID)
        m_caption->setID(*s.captionID);
    m_title->setText(e.title);
    m_general = e.general;
    m_firstRowText = e.firstRow.isEmpty() ? e.general : e.firstRow;
    (m_general == m_firstRowText ? m_both : m_laterRows)->setChecked(true);
    {
        const QSignalBlocker blocker(m_expression);
        m_expression->setText(m_general);
    }
    m_farsi->setText(FarsiExpression(m_general, m_headings));
    m_display->setCurrentIndex(e.positiveOnly ? m_display->findData(*e.positiveOnly ? 1 : 0) : 0);
    m_expectOperand = m_general.isEmpty() || m_general.endsWith(u'(') || QStringLiteral("+-*/").contains(m_general.back());
    updateCommands();
}

void FormAddExpr::append(const QString& piece, bool operandNext)
{
    m_expression->setText(m_expression->text() + piece);
    m_expectOperand = operandNext;
    updateCommands();
}

void FormAddExpr::addOperand()
{
    const int index = m_column->currentIndex();
    const bool chosen = index >= 0 && m_column->currentText() == m_column->itemText(index);
    if (!chosen) {
        // A typed constant: its numeric value.
        const double value = text::LeadingNumber(text::AsciiDigits(m_column->currentText()));
        append(db::RealText(value), false);
    } else if (const int data = m_column->itemData(index).toInt(); data > 0) {
        if (m_column->itemText(index) == kCurrentRowSuffix) {
            m_prompter.ShowMessage(front::kErrorTitle, kCurrentColumnRefused);
            return;
        }
        append(u'C' + QString::number(data), false);
    } else {
        append(u'P' + QString::number(-data), false);
    }
    m_column->setCurrentIndex(-1);
    m_column->setEditText(QString());
}

void FormAddExpr::expressionEdited()
{
    const QString text = m_expression->text();
    m_farsi->setText(FarsiExpression(text, m_headings));
    if (!m_firstRow->isChecked())
        m_general = text;
    if (!m_laterRows->isChecked())
        m_firstRowText = text;
}

void FormAddExpr::updateCommands()
{
    const bool operand = m_expectOperand;
    for (const char* name : {"cmdPlus", "cmdMinus", "cmdMultiply", "cmdDivide", "cmdClosePar"})
        SetEnabled(*this, name, !operand);
    SetEnabled(*this, "cmdOpenPar", operand);
    SetEnabled(*this, "cmdAdd", operand && !m_column->currentText().trimmed().isEmpty());
    m_column->setEnabled(operand);
}

void FormAddExpr::accept()
{
    const QString title = m_title->text().trimmed();
    if (m_titles.contains(title)) {
        m_prompter.ShowMessage(front::kErrorTitle, kDuplicateTitleMessage);
        return;
    }
    StoredExpression s;
    s.expression.title = title;
    s.expression.general = m_general;
    s.expression.firstRow = m_firstRowText;
    const int display = m_display->currentData().toInt();
    if (display >= 0)
        s.expression.positiveOnly = display == 1;
    if (!m_caption->IsEmpty())
        s.captionID = m_caption->ID();
    m_result = s;
    QDialog::accept();
}

// ---------------------------------------------------------------- FormExprFlex

FormExprFlex::FormExprFlex(front::Session& session, front::Prompter& prompter, front::Windows& windows,
                           qint32 reportID, const QStringList& headings, QWidget* parent)
    : QDialog(parent), m_session(session), m_prompter(prompter), m_windows(windows), m_commands(prompter),
      m_reportID(reportID), m_headings(headings + QStringList{QString()}), m_grid(new QTableWidget(this))
{
    setObjectName(QStringLiteral("FormExprFlex"));
    setWindowTitle(kExpressionsListCaption);
    front::StyleWindow(*this, front::ColoursOf(session.context));
    m_grid->setObjectName(QStringLiteral("flexExpr"));
    const QStringList header = front::GridHeadings(kExpressionsHeader);
    m_grid->setColumnCount(int(header.size()));
    m_grid->setHorizontalHeaderLabels(header);
    m_grid->verticalHeader()->hide();
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->horizontalHeader()->setStretchLastSection(true);

    m_commands.connect(front::MakeCommand(*this, "cmdNew", kNewCaption), [this] { edit(-1); });
    m_commands.connect(front::MakeCommand(*this, "cmdEdit", kEditCaption), [this] {
        if (m_grid->currentRow() >= 0)
            edit(m_grid->currentRow());
    });
    m_commands.connect(front::MakeCommand(*this, "cmdDelete", kDeleteCaption), [this] {
        const int row = m_grid->currentRow();
        if (row < 0 || !m_prompter.Confirm(kWarningTitle, kSureToDeleteQuestion))
            return;
        m_expressions.removeAt(row);
        fill();
    });
    m_commands.connect(front::MakeCommand(*this, "cmdMoveUp", QStringLiteral("▲")), [this] { move(-1); });
    m_commands.connect(front::MakeCommand(*this, "cmdMoveDown", QStringLiteral("▼")), [this] { move(1); });
    m_commands.connect(front::MakeCommand(*this, "cmdOK", kConfirmCaption), [this] {
        SaveExpressions(m_session.DtEn, m_reportID, m_expressions);
        m_saved = true;
        QDialog::accept();
    });
    m_commands.connect(front::MakeCommand(*this, "cmdCancel", kCancelCaption), [this] { reject(); });

    auto* body = new QHBoxLayout;
    body->addWidget(m_grid, 1);
    body->addLayout(front::ButtonColumn(*this, {"cmdNew", "cmdEdit", "cmdDelete", "cmdMoveUp", "cmdMoveDown"}));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addLayout(front::ButtonRow(*this, {"cmdOK", "cmdCancel"}));
    resize(760, 320);
    m_commands.run([this] { m_expressions = LoadExpressions(m_session.DtEn, m_reportID); });
    fill();
    if (m_grid->rowCount() > 0)
        m_grid->setCurrentCell(0, 1);
}

bool FormExprFlex::ShowRowExpressions()
{
    m_saved = false;
    m_windows.show(*this, true);
    return m_saved;
}

void FormExprFlex::fill()
{
    const int current = m_grid->currentRow();
    m_grid->setRowCount(0);
    for (int i = 0; i < m_expressions.size(); ++i) {
        const RowExpression& e = m_expressions[i].expression;
        m_grid->insertRow(i);
        const QStringList cells{QString::number(i + 1), e.title, FarsiExpression(e.general, m_headings),
                                FarsiExpression(e.firstRow, m_headings), DisplayText(e.positiveOnly)};
        for (int c = 0; c < cells.size(); ++c)
            m_grid->setItem(i, c, new QTableWidgetItem(cells[c]));
    }
    if (m_grid->rowCount() > 0)
        m_grid->setCurrentCell(std::clamp(current, 0, m_grid->rowCount() - 1), 1);
}

void FormExprFlex::edit(int row)
{
    QStringList titles;
    for (int i = 0; i < m_expressions.size(); ++i)
        if (i != row)
            titles << m_expressions[i].expression.title;
    FormAddExpr editor(m_session, m_prompter, m_windows, m_headings, titles, this);
    const std::optional<StoredExpression> result = row < 0 ? editor.ClearShow() : editor.Edit(m_expressions[row]);
    if (!result)
        return;
    if (row < 0)
        m_expressions.append(*result);
    else
        m_expressions[row] = *result;
    fill();
    m_grid->setCurrentCell(row < 0 ? int(m_expressions.size()) - 1 : row, 1);
}

void FormExprFlex::move(int by)
{
    const int row = m_grid->currentRow();
    const int to = row + by;
    if (row < 0 || to < 0 || to >= m_expressions.size())
        return;
    m_expressions.swapItemsAt(row, to);
    fill();
    m_grid->setCurrentCell(to, 1);
}

void FormExprFlex::reject()
{
    if (m_prompter.Confirm(kWarningTitle, kSureToCancelQuestion))
        QDialog::reject();
}

} // namespace kelvo::presentation
