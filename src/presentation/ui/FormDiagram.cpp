#include "presentation/ui/FormDiagram.h"

#include "front/HostContext.h"
#include "front/Prompter.h"
#include "front/ui/AppStyle.h"
#include "front/ui/WindowParts.h"
#include "front/ui/Windows.h"
#include "presentation/Messages.h"
#include "presentation/ResultModel.h"
#include "presentation/ShapingDefinitions.h"
#include "presentation/ui/KelvoReport.h"
#include "presentation/ui/ReportChart.h"
#include "presentation/ui/ReportGrid.h"

#include <QAction>
#include <QButtonGroup>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace kelvo::presentation {

namespace {

constexpr int kMoveStep = 100 / 15; // 100 twips, in pixels
constexpr qreal kZoomStep = 1.1;

QList<int> Chosen(const QListWidget& list)
{
    QList<int> columns;
    for (int i = 0; i < list.count(); ++i)
        if (list.item(i)->isSelected())
            columns << list.item(i)->data(Qt::UserRole).toInt();
    return columns;
}

} // namespace

FormDiagram::FormDiagram(front::Session& session, front::Prompter& prompter, front::Windows& windows, qint32 reportID,
                         const QString& title, KelvoReport& control, QWidget* parent)
    : QDialog(parent), m_session(session), m_prompter(prompter), m_windows(windows), m_commands(prompter),
      m_reportID(reportID), m_title(title),
      m_grid(control.AlternateShown() ? *control.AlternateGrid() : *control.ResultGrid()),
      m_define(new QRadioButton(kDefineChartOption, this)), m_view_(new QRadioButton(kViewChartOption, this)),
      m_panel(new QWidget(this)), m_rows(new QListWidget(m_panel)), m_columns(new QListWidget(m_panel)),
      m_type(new QComboBox(m_panel)), m_accumulate(new QCheckBox(kAccumulateCaption, m_panel)),
      m_showWithReport(new QCheckBox(kShowChartCaption, m_panel)), m_view(new QChartView(this))
{
    setObjectName(QStringLiteral("FormDiagram"));
    setWindowTitle(kChartCaption);
    front::StyleWindow(*this, front::ColoursOf(session.context));
    m_define->setObjectName(QStringLiteral("optDefReport"));
    m_view_->setObjectName(QStringLiteral("optViewReport"));
    m_panel->setObjectName(QStringLiteral("Frame1"));
    m_rows->setObjectName(QStringLiteral("lstRow"));
    m_columns->setObjectName(QStringLiteral("lstColumns"));
    m_columns->setSelectionMode(QAbstractItemView::MultiSelection);
    m_type->setObjectName(QStringLiteral("cmbDiagramType"));
    m_accumulate->setObjectName(QStringLiteral("chkAffair"));
    m_showWithReport->setObjectName(QStringLiteral("chkShowDiagram"));
    m_view->setObjectName(QStringLiteral("PicDiagram"));
    m_view->setRenderHint(QPainter::Antialiasing);
    m_view->setLayoutDirection(Qt::LeftToRight); // the axes run left to right
    auto* modes = new QButtonGroup(this);
    modes->addButton(m_define);
    modes->addButton(m_view_);
    connect(m_view_, &QRadioButton::toggled, this, [this](bool viewing) {
        m_panel->setVisible(!viewing);
        if (viewing)
            draw();
    });
    connect(m_type, &QComboBox::currentIndexChanged, this, &FormDiagram::draw);
    connect(m_accumulate, &QCheckBox::toggled, this, [this](bool on) {
        if (m_data.series.isEmpty())
            return;
        AccumulateChart(m_data, on);
        m_view->setChart(MakeChart(m_data, m_type->currentData().isValid() ? std::optional<int>(m_type->currentData().toInt())
                                                                           : std::nullopt,
                                   m_title));
    });

    m_commands.connect(front::MakeCommand(*this, "cmdOK", kSaveCaption), [this] { save(); });
    m_commands.connect(front::MakeCommand(*this, "cmdRefresh", kDrawCaption), [this] { draw(); });
    const std::tuple<const char*, const char*, int, int> moves[] = {
        {"cmdTop", "▲", 0, kMoveStep}, {"cmdDown", "▼", 0, -kMoveStep},
        {"cmdLeft", "◀", kMoveStep, 0}, {"cmdRight", "▶", -kMoveStep, 0}};
    for (const auto& [name, caption, dx, dy] : moves)
        m_commands.connect(front::MakeCommand(*this, name, QString::fromUtf8(caption)),
                           [this, dx = dx, dy = dy] { move(dx, dy); });
    m_commands.connect(front::MakeCommand(*this, "cmdZoomIn", QStringLiteral("+")), [this] { zoom(true); });
    m_commands.connect(front::MakeCommand(*this, "cmdZoomOut", QStringLiteral("-")), [this] { zoom(false); });
    m_commands.connect(front::MakeCommand(*this, "btmPrint", kPrintChartCaption), [this] { print(); });
    m_commands.connect(front::MakeCommand(*this, "cmdSaveImage", kSaveImageCaption), [this] { saveImage(); });
    m_commands.connect(front::MakeCommand(*this, "btmExit", kExitCaption), [this] { reject(); });

    auto* panel = new QGridLayout(m_panel);
    panel->addWidget(front::MakeLabel(*m_panel, kChartRowsLabel), 0, 0, 1, 2);
    panel->addWidget(front::MakeLabel(*m_panel, kHorizontalAxisLabel), 1, 0);
    panel->addWidget(front::MakeLabel(*m_panel, kVerticalAxisLabel), 1, 1);
    panel->addWidget(m_rows, 2, 0);
    panel->addWidget(m_columns, 2, 1);
    panel->addWidget(front::MakeLabel(*m_panel, kChartTypeLabel), 3, 0);
    panel->addWidget(m_type, 3, 1);
    panel->addWidget(m_accumulate, 4, 0);
    panel->addWidget(m_showWithReport, 4, 1);
    auto* panelButtons = new QHBoxLayout;
    panelButtons->addWidget(&front::CommandButton(*this, "cmdRefresh"));
    panelButtons->addWidget(&front::CommandButton(*this, "cmdOK"));
    panelButtons->addStretch();
    panel->addLayout(panelButtons, 5, 0, 1, 2);
    auto* top = new QHBoxLayout;
    top->addWidget(m_define);
    top->addWidget(m_view_);
    top->addStretch();
    for (const char* name : {"cmdTop", "cmdDown", "cmdLeft", "cmdRight", "cmdZoomIn", "cmdZoomOut", "btmPrint",
                             "cmdSaveImage", "btmExit"})
        top->addWidget(&front::CommandButton(*this, name));
    auto* body = new QHBoxLayout;
    body->addWidget(m_panel);
    body->addWidget(m_view, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(body, 1);
    resize(960, 560);

    for (int c = 1; c < m_grid.Cols(); ++c) {
        for (QListWidget* list : {m_rows, m_columns}) {
            auto* item = new QListWidgetItem(m_grid.TextMatrix(0, c), list);
            item->setData(Qt::UserRole, c);
        }
    }
    m_commands.run([this] {
        const QSignalBlocker blocker(m_type);
        for (const ChartType& t : ChartTypes(m_session.DtEn))
            m_type->addItem(t.name, t.id);
        int preferred = m_type->findText(kDefaultChartTypeName);
        if (preferred < 0)
            preferred = m_type->findData(kDefaultChartType);
        m_type->setCurrentIndex(preferred >= 0 ? preferred : (m_type->count() > 0 ? 0 : -1));
        const ChartDefinition stored = LoadChartDefinition(m_session.DtEn, m_reportID);
        for (int i = 0; i < m_rows->count(); ++i) {
            const int column = m_rows->item(i)->data(Qt::UserRole).toInt();
            m_rows->item(i)->setSelected(column == stored.xColumn);
            m_columns->item(i)->setSelected(stored.yColumns.contains(column));
        }
        if (stored.typeID && m_type->findData(*stored.typeID) >= 0)
            m_type->setCurrentIndex(m_type->findData(*stored.typeID));
        const QSignalBlocker accumulate(m_accumulate);
        m_accumulate->setChecked(stored.accumulate);
        m_showWithReport->setChecked(stored.showWithReport);
    });
    m_define->setChecked(true);
    // A stored chart is drawn at once.
    m_commands.run([this] { draw(); });
}

ChartDefinition FormDiagram::definition() const
{
    ChartDefinition d;
    const QList<int> x = Chosen(*m_rows);
    d.xColumn = x.isEmpty() ? -1 : x.first();
    d.yColumns = Chosen(*m_columns);
    if (m_type->currentIndex() >= 0)
        d.typeID = m_type->currentData().toInt();
    d.accumulate = m_accumulate->isChecked();
    d.showWithReport = m_showWithReport->isChecked();
    return d;
}

void FormDiagram::draw()
{
    const ChartDefinition d = definition();
    if (d.xColumn < 0 || d.yColumns.isEmpty())
        return;
    m_data = BuildChartData(m_grid.resultModel()->table(), d);
    m_view->setChart(MakeChart(m_data, d.typeID, m_title));
}

void FormDiagram::move(int dx, int dy)
{
    m_view->chart()->scroll(dx, dy);
}

void FormDiagram::zoom(bool in)
{
    m_view->chart()->zoom(in ? kZoomStep : 1 / kZoomStep);
}

void FormDiagram::keyPressEvent(QKeyEvent* event)
{
    if (event->modifiers() & Qt::ControlModifier) {
        switch (event->key()) {
        case Qt::Key_Up:
            return move(0, kMoveStep);
        case Qt::Key_Down:
            return move(0, -kMoveStep);
        case Qt::Key_Left:
            return move(kMoveStep, 0);
        case Qt::Key_Right:
            return move(-kMoveStep, 0);
        case Qt::Key_Plus:
            return zoom(true);
        case Qt::Key_Minus:
            return zoom(false);
        case Qt::Key_PageDown:
            return move(0, -25 * kMoveStep);
        case Qt::Key_PageUp:
            return move(0, 25 * kMoveStep);
        default:
            break;
        }
    }
    QDialog::keyPressEvent(event);
}

void FormDiagram::print()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    QPrintPreviewDialog preview(&printer, this);
    preview.setObjectName(QStringLiteral("PrintPreview"));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* target) {
        QPainter painter(target);
        m_view->render(&painter);
    });
    m_windows.show(preview, true);
}

void FormDiagram::saveImage()
{
    const std::optional<QString> path =
        m_windows.ChooseSaveFile(kSaveImageCaption, m_title + QStringLiteral(".png"), QStringLiteral("PNG (*.png)"));
    if (path)
        m_view->grab().save(*path, "PNG");
}

void FormDiagram::save()
{
    SaveChartDefinition(m_session.DtEn, m_reportID, definition());
    accept();
}

} // namespace kelvo::presentation
