#include "presentation/ui/FormRowColors.h"

#include "front/HostContext.h"
#include "front/Prompter.h"
#include "front/ui/AppStyle.h"
#include "front/ui/WindowParts.h"
#include "front/ui/Windows.h"
#include "presentation/Messages.h"
#include "presentation/ShapingDefinitions.h"
#include "presentation/ui/ReportGrid.h"
#include "text/PersianText.h"
#include "text/TextPrimitives.h"

#include <QAction>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QSet>
#include <QTableWidget>
#include <QVBoxLayout>

namespace kelvo::presentation {

namespace {

constexpr int kColourRole = Qt::UserRole; // the OLE colour of a colour cell

QString HexText(quint32 ole)
{
    return QString::number(ole, 16).toUpper();
}

} // namespace

FormRowColors::FormRowColors(front::Session& session, front::Prompter& prompter, front::Windows& windows,
                             qint32 reportID, const ReportGrid& grid, QWidget* parent)
    : QDialog(parent), m_session(session), m_prompter(prompter), m_windows(windows), m_commands(prompter),
      m_reportID(reportID), m_column(new QComboBox(this)), m_fore(new QCheckBox(kForeColorCaption, this)),
      m_back(new QCheckBox(kBackColorCaption, this)), m_values(new QTableWidget(0, 4, this))
{
    setObjectName(QStringLiteral("FormRowColors"));
    setWindowTitle(kRowColorsCaption);
    front::StyleWindow(*this, front::ColoursOf(session.context));
    m_column->setObjectName(QStringLiteral("cmbColoryReportColumn"));
    m_column->installEventFilter(this);
    m_fore->setObjectName(QStringLiteral("chkForeColor"));
    m_back->setObjectName(QStringLiteral("chkBackColor"));
    m_values->setObjectName(QStringLiteral("FlexColor"));
    m_values->setHorizontalHeaderLabels(front::GridHeadings(kColourHeader));
    m_values->verticalHeader()->hide();
    m_values->horizontalHeader()->setStretchLastSection(true);
    m_values->setColumnWidth(0, 50);
    m_values->setColumnWidth(1, 150);
    m_values->setColumnWidth(2, 170);
    connect(m_values, &QTableWidget::cellDoubleClicked, this, &FormRowColors::pickColour);
    connect(m_values, &QTableWidget::cellChanged, this, [this](int, int column) {
        if (column == 1)
            keepEmptyRow();
    });
    for (QCheckBox* box : {m_fore, m_back})
        connect(box, &QCheckBox::toggled, this, [this] {
            for (int r = 0; r < m_values->rowCount(); ++r)
                paintRow(r);
        });

    m_commands.connect(front::MakeCommand(*this, "cmdContinue", kConfirmCaption), [this] { save(); });
    m_commands.connect(front::MakeCommand(*this, "cmdCancel", kCancelCaption), [this] { reject(); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(front::MakeLabel(*this, kColourKindLabel));
    layout->addWidget(m_fore);
    layout->addWidget(m_back);
    layout->addWidget(front::MakeLabel(*this, kColourColumnLabel));
    layout->addWidget(m_column);
    layout->addWidget(front::MakeLabel(*this, kColourValuesLabel));
    layout->addWidget(m_values, 1);
    layout->addLayout(front::ButtonRow(*this, {"cmdContinue", "cmdCancel"}));
    resize(620, 420);

    for (int c = 1; c < grid.Cols(); ++c)
        m_column->addItem(grid.TextMatrix(0, c), c);
    m_column->setCurrentIndex(-1);
    m_commands.run([this] {
        const RowColourRule stored = LoadRowColors(m_session.DtEn, m_reportID);
        m_fore->setChecked(stored.type & 1);
        m_back->setChecked(stored.type & 2);
        for (const RowColourRule::Value& v : stored.values)
            addRow(db::RealText(v.value), v.foreColor, v.backColor);
        m_column->setCurrentIndex(m_column->findData(stored.gridColumn));
    });
    // A report without colours shows one empty row and nothing ticked.
    if (m_values->rowCount() == 0) {
        m_fore->setChecked(false);
        m_back->setChecked(false);
    }
    keepEmptyRow();
}

bool FormRowColors::DefineColors()
{
    m_saved = false;
    m_windows.show(*this, true);
    return m_saved;
}

void FormRowColors::addRow(const QString& value, quint32 foreColor, quint32 backColor)
{
    const QSignalBlocker blocker(m_values);
    const int row = m_values->rowCount();
    m_values->insertRow(row);
    auto* number = new QTableWidgetItem(QString::number(row + 1));
    number->setFlags(Qt::ItemIsEnabled);
    m_values->setItem(row, 0, number);
    m_values->setItem(row, 1, new QTableWidgetItem(value));
    for (const auto& [column, colour] : {std::pair{2, foreColor}, std::pair{3, backColor}}) {
        auto* cell = new QTableWidgetItem(HexText(colour));
        cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        cell->setData(kColourRole, colour);
        m_values->setItem(row, column, cell);
    }
    paintRow(row);
}

void FormRowColors::paintRow(int row)
{
    QTableWidgetItem* value = m_values->item(row, 1);
    if (!value)
        return;
    const QSignalBlocker blocker(m_values);
    value->setData(Qt::ForegroundRole, m_fore->isChecked() ? QVariant(front::OleColor(m_values->item(row, 2)->data(kColourRole).toUInt()))
                                                           : QVariant());
    value->setData(Qt::BackgroundRole, m_back->isChecked() ? QVariant(front::OleColor(m_values->item(row, 3)->data(kColourRole).toUInt()))
                                                           : QVariant());
}

void FormRowColors::keepEmptyRow()
{
    const int last = m_values->rowCount() - 1;
    if (last < 0 || !m_values->item(last, 1)->text().trimmed().isEmpty())
        addRow(QString(), 0, 0xFFFFFF);
}

void FormRowColors::pickColour(int row, int column)
{
    if (column != 2 && column != 3)
        return;
    QTableWidgetItem* cell = m_values->item(row, column);
    QColorDialog picker(front::OleColor(cell->data(kColourRole).toUInt()), this);
    picker.setObjectName(QStringLiteral("cmdlg"));
    if (m_windows.show(picker, true) != QDialog::Accepted)
        return;
    const quint32 ole = front::ToOleColor(picker.selectedColor().isValid() ? picker.selectedColor() : picker.currentColor());
    cell->setData(kColourRole, ole);
    cell->setText(HexText(ole));
    paintRow(row);
}

RowColourRule FormRowColors::rule() const
{
    RowColourRule rule;
    rule.gridColumn = m_column->currentIndex() < 0 ? -1 : m_column->currentData().toInt();
    rule.type = (m_fore->isChecked() ? 1 : 0) + (m_back->isChecked() ? 2 : 0);
    for (int r = 0; r < m_values->rowCount(); ++r) {
        const QString value = text::AsciiDigits(m_values->item(r, 1)->text()).trimmed();
        if (value.isEmpty())
            continue;
        rule.values.append({text::LeadingNumber(value), m_values->item(r, 2)->data(kColourRole).toUInt(),
                            m_values->item(r, 3)->data(kColourRole).toUInt()});
    }
    return rule;
}

void FormRowColors::save()
{
    QSet<QString> seen;
    for (int r = 0; r < m_values->rowCount(); ++r) {
        const QString value = m_values->item(r, 1)->text().trimmed();
        if (value.isEmpty())
            continue;
        if (seen.contains(value)) {
            m_prompter.ShowMessage(front::kErrorTitle, kRepeatedValueMessage);
            return;
        }
        seen.insert(value);
    }
    SaveRowColors(m_session.DtEn, m_reportID, rule());
    m_saved = true;
    accept();
}

bool FormRowColors::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_column && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        m_column->setCurrentIndex(-1);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace kelvo::presentation
