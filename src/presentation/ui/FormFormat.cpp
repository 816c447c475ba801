#include "presentation/ui/FormFormat.h"

#include "front/HostContext.h"
#include "front/Prompter.h"
#include "front/ui/AppStyle.h"
#include "front/ui/WaitCursor.h"
#include "front/ui/WindowParts.h"
#include "front/ui/Windows.h"
#include "presentation/Messages.h"
#include "presentation/ui/KelvoReport.h"
#include "presentation/ui/ReportGrid.h"
#include "text/PersianText.h"
#include "text/TextPrimitives.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kelvo::presentation {

namespace {

constexpr int kAlignmentCodes[] = {1, 4, 7};
constexpr int kDefaultRowHeight = 240;
constexpr int kWidestColumn = 32767;

} // namespace

FormFormat::FormFormat(front::Session& session, front::Prompter& prompter, front::Windows& windows, qint32 reportID,
                       KelvoReport& control, QWidget* parent)
    : QDialog(parent), m_session(session), m_prompter(prompter), m_windows(windows), m_commands(prompter),
      m_reportID(reportID),
      m_presentation(control.AlternateShown() ? Presentation::Distributed : Presentation::Normal),
      m_column(new QComboBox(this)), m_size(new QLineEdit(this)), m_rowHeight(new QLineEdit(this)),
      m_invisible(new QCheckBox(kInvisibleInTextFileCaption, this))
{
    setObjectName(QStringLiteral("FormFormat"));
    setWindowTitle(kFormatCaption);
    front::StyleWindow(*this, front::ColoursOf(session.context));
    m_column->setObjectName(QStringLiteral("cmbColName"));
    m_size->setObjectName(QStringLiteral("txtColSize"));
    m_rowHeight->setObjectName(QStringLiteral("txtGridRowHeight"));
    m_invisible->setObjectName(QStringLiteral("chkInvisibleInTextFile"));
    m_invisible->setVisible(m_presentation == Presentation::Distributed);
    auto* group = new QButtonGroup(this);
    for (const auto& [code, caption] : {std::pair{1, kAlignLeft}, std::pair{4, kAlignCentre}, std::pair{7, kAlignRight}}) {
        auto* option = new QRadioButton(caption, this);
        option->setObjectName(QStringLiteral("optAlign%1").arg(code));
        group->addButton(option, code);
        m_alignments << option;
    }
    connect(group, &QButtonGroup::idClicked, this, [this](int code) {
        if (const int c = m_column->currentIndex(); c >= 0 && !m_showing)
            m_formats[c].alignment = code;
    });
    connect(m_size, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (const int c = m_column->currentIndex(); c >= 0)
            m_formats[c].width = int(text::LeadingNumber(text::AsciiDigits(text)));
    });
    connect(m_invisible, &QCheckBox::toggled, this, [this](bool on) {
        if (const int c = m_column->currentIndex(); c >= 0 && !m_showing)
            m_formats[c].invisibleInTextFile = on;
    });
    connect(m_column, &QComboBox::currentIndexChanged, this, &FormFormat::showColumn);
    m_commands.connect(front::MakeCommand(*this, "cmdContinue", kConfirmCaption), [this] { save(); });
    m_commands.connect(front::MakeCommand(*this, "cmdCancel", kCancelCaption), [this] { reject(); });

    auto* grid = new QGridLayout;
    grid->addWidget(front::MakeLabel(*this, kColumnNameLabel), 0, 0);
    grid->addWidget(m_column, 0, 1);
    grid->addWidget(front::MakeLabel(*this, kColumnSizeLabel), 1, 0);
    grid->addWidget(m_size, 1, 1);
    auto* alignments = new QHBoxLayout;
    for (QRadioButton* option : m_alignments)
        alignments->addWidget(option);
    grid->addLayout(alignments, 2, 1);
    grid->addWidget(m_invisible, 3, 1);
    grid->addWidget(front::MakeLabel(*this, kGridRowHeightLabel), 4, 0);
    grid->addWidget(m_rowHeight, 4, 1);
    grid->setColumnStretch(1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(front::ButtonRow(*this, {"cmdContinue", "cmdCancel"}));
    resize(460, 220);

    const ReportGrid& shown = control.AlternateShown() ? *control.AlternateGrid() : *control.ResultGrid();
    m_rowHeight->setText(QString::number(kDefaultRowHeight));
    m_commands.run([&] {
        const QHash<int, ColumnFormat> stored = StoredFormats(m_session.DtEn, m_reportID, m_presentation);
        for (int c = 1; c < shown.Cols(); ++c) {
            ColumnFormat f = stored.value(c);
            f.heading = shown.TextMatrix(0, c);
            f.alignment = shown.ColAlignment(c);
            f.width = shown.ColWidth(c);
            m_formats << f;
            m_column->addItem(f.heading);
        }
        if (const std::optional<int> height = StoredGridRowHeight(m_session.DtEn, m_reportID, &m_hasRowHeight))
            m_rowHeight->setText(QString::number(*height));
    });
    m_column->setCurrentIndex(-1);
    showColumn();
}

bool FormFormat::showFormats()
{
    m_saved = false;
    m_windows.show(*this, true);
    return m_saved;
}

void FormFormat::showColumn()
{
    m_showing = true;
    const int c = m_column->currentIndex();
    const ColumnFormat* f = c >= 0 ? &m_formats[c] : nullptr;
    m_size->setText(f ? QString::number(f->width) : QString());
    for (int i = 0; i < m_alignments.size(); ++i) {
        m_alignments[i]->setAutoExclusive(false);
        m_alignments[i]->setChecked(f && f->alignment == kAlignmentCodes[i]);
        m_alignments[i]->setAutoExclusive(true);
    }
    m_invisible->setChecked(f && f->invisibleInTextFile);
    m_showing = false;
}

void FormFormat::save()
{
    for (const ColumnFormat& f : m_formats) {
        if (f.width < 0 || f.width > kWidestColumn) {
            m_prompter.ShowMessage(front::kErrorTitle, kWidthTooLargeMessage);
            return;
        }
    }
    const front::WaitCursor hourglass;
    const std::optional<int> height =
        m_hasRowHeight ? std::optional<int>(int(text::LeadingNumber(text::AsciiDigits(m_rowHeight->text()))))
                       : std::nullopt;
    SaveFormats(m_session.DtEn, m_reportID, m_presentation, m_formats, height);
    m_saved = true;
    accept();
}

} // namespace kelvo::presentation
