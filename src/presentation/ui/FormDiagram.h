#pragma once

#include "front/ui/Commands.h"
#include "front/ui/WindowForward.h"
#include "presentation/ChartData.h"

#include <QDialog>

class QChartView;
class QCheckBox;
class QComboBox;
class QListWidget;
class QRadioButton;
class QWidget;

namespace kelvo::presentation {

class KelvoReport;
class ReportGrid;

// A chart of the result on display: the horizontal axis's column, the
// vertical axis's columns, the kind, accumulation, and whether the report
// shows it when it runs. The chart moves, zooms, prints and saves as an
// image.
class FormDiagram final : public QDialog {
    Q_OBJECT
public:
    FormDiagram(front::Session& session, front::Prompter& prompter, front::Windows& windows, qint32 reportID,
                const QString& title, KelvoReport& control, QWidget* parent = nullptr);

    ChartDefinition definition() const;
    QChartView& chartView() const { return *m_view; }
    const ChartData& data() const { return m_data; }
    // Draws the chart of the chosen columns; nothing without them.
    void draw();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void move(int dx, int dy);
    void zoom(bool in);
    void print();
    void saveImage();
    void save();

    front::Session& m_session;
    front::Prompter& m_prompter;
    front::Windows& m_windows;
    front::CommandRunner m_commands;
    qint32 m_reportID;
    QString m_title;
    const ReportGrid& m_grid;
    QRadioButton *m_define, *m_view_;
    QWidget* m_panel;
    QListWidget *m_rows, *m_columns;
    QComboBox* m_type;
    QCheckBox *m_accumulate, *m_showWithReport;
    QChartView* m_view;
    ChartData m_data;
};

} // namespace kelvo::presentation
