#include "front/ui/MessageDialogs.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace kelvo::front {

namespace {

QLabel* MakeText(QWidget* parent, const char* name)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter); // mirrored: right in a right-to-left window
    label->setTextFormat(Qt::PlainText);
    label->setMinimumWidth(260);
    return label;
}

QLabel* MakePicture(QWidget* parent, const char* name, QStyle::StandardPixmap icon)
{
    auto* picture = new QLabel(parent);
    picture->setObjectName(QLatin1String(name));
    picture->setPixmap(parent->style()->standardIcon(icon).pixmap(40, 40));
    picture->setAlignment(Qt::AlignTop);
    return picture;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setMinimumWidth(80);
    return button;
}

void PrepareDialog(QDialog& dialog, const char* name)
{
    dialog.setObjectName(QLatin1String(name));
    dialog.setLayoutDirection(Qt::RightToLeft);
    dialog.setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

// Picture and text side by side (the picture on the right), buttons below.
QHBoxLayout* MessageRow(QLabel* picture, QLabel* text)
{
    auto* row = new QHBoxLayout;
    row->addWidget(picture);
    row->addWidget(text, 1);
    return row;
}

} // namespace

FormYesNo::FormYesNo(QWidget* parent) : QDialog(parent)
{
    PrepareDialog(*this, "FormYesNo");
    lblQuestion = MakeText(this, "lblQuestion");
    Image2 = MakePicture(this, "Image2", QStyle::SP_MessageBoxQuestion);
    cmdYes = MakeButton(this, "cmdYes", QStringLiteral("بلي"));
    cmdNo = MakeButton(this, "cmdNo", QStringLiteral("خير"));
    cmdContinue = MakeButton(this, "cmdContinue", QStringLiteral("انصراف"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdYes);
    buttons->addWidget(cmdNo);
    buttons->addWidget(cmdContinue);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(MessageRow(Image2, lblQuestion), 1);
    layout->addLayout(buttons);

    connect(cmdYes, &QPushButton::clicked, this, [this] { answerWith(1); });
    connect(cmdNo, &QPushButton::clicked, this, [this] { answerWith(2); });
    connect(cmdContinue, &QPushButton::clicked, this, [this] { answerWith(0); });
    cmdYes->setDefault(true);
}

void FormYesNo::setQuestion(const QString& question)
{
    lblQuestion->setText(question);
}

void FormYesNo::answerWith(int answer)
{
    m_answer = answer;
    done(answer == 1 ? Accepted : Rejected);
}

FormMsg::FormMsg(QWidget* parent) : QDialog(parent)
{
    PrepareDialog(*this, "FormMsg");
    lblMessage = MakeText(this, "lblMessage");
    Image1 = MakePicture(this, "Image1", QStyle::SP_MessageBoxInformation);
    cmdContinue = MakeButton(this, "cmdContinue", QStringLiteral("ادامه"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdContinue);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(MessageRow(Image1, lblMessage), 1);
    layout->addLayout(buttons);

    connect(cmdContinue, &QPushButton::clicked, this, &QDialog::accept);
    cmdContinue->setDefault(true);
}

void FormMsg::setMessage(const QString& message)
{
    lblMessage->setText(message);
}

namespace {
const QString kDetailsShownCaption = QStringLiteral("جزييات <<");
const QString kDetailsHiddenCaption = QStringLiteral("جزييات >>");
} // namespace

FormError::FormError(QWidget* parent) : QDialog(parent)
{
    PrepareDialog(*this, "FormError");
    setWindowTitle(QStringLiteral("بروز خطا"));
    lblError = MakeText(this, "lblError");
    txtError = new QPlainTextEdit(this);
    txtError->setObjectName(QStringLiteral("txtError"));
    txtError->setReadOnly(true);
    cmdOK = MakeButton(this, "cmdOK", QStringLiteral("تاييد"));
    cmdDetail = MakeButton(this, "cmdDetail", kDetailsHiddenCaption);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdOK);
    buttons->addStretch(1);
    buttons->addWidget(cmdDetail);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblError, 1);
    layout->addLayout(buttons);
    layout->addWidget(txtError, 1);

    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdDetail, &QPushButton::clicked, this, &FormError::toggleDetails);
    cmdOK->setDefault(true);

    // The dialog previews the keys of all its controls.
    for (QWidget* child : findChildren<QWidget*>())
        child->installEventFilter(this);

    // Designed with the details showing; loads with half the height.
    resize(kDesignWidth, kDesignHeight);
    txtError->hide();
    setHeight(kDesignHeight / 2);
}

void FormError::setMessage(const QString& message)
{
    lblError->setText(message);
}

void FormError::setDetails(const QString& details)
{
    txtError->setPlainText(details);
}

void FormError::toggleDetails()
{
    m_detailsShown = !m_detailsShown;
    if (m_detailsShown) {
        txtError->show();
        setHeight(height() * 2);
        cmdDetail->setText(kDetailsShownCaption);
    } else {
        txtError->hide();
        setHeight(height() / 2);
        cmdDetail->setText(kDetailsHiddenCaption);
    }
}

void FormError::setHeight(int height)
{
    setFixedHeight(height);
    resize(width(), height);
}

bool FormError::closesOnKey(const QKeyEvent& key) const
{
    const Qt::KeyboardModifiers mods = key.modifiers() & ~Qt::KeypadModifier;
    const bool enter = key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
    if (key.key() == Qt::Key_Escape)
        return true;
    if (enter && mods == Qt::ControlModifier)
        return true;
    if (key.key() == Qt::Key_X && mods == Qt::AltModifier)
        return true;
    if (enter && mods == Qt::NoModifier) {
        const QWidget* focused = QApplication::focusWidget();
        return !(focused && focused->objectName().startsWith(QLatin1String("cmd")));
    }
    return false;
}

bool FormError::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && closesOnKey(*static_cast<QKeyEvent*>(event))) {
        accept();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

bool FormError::event(QEvent* event)
{
    // Keys that reach the dialog itself (no control focused).
    if (event->type() == QEvent::KeyPress && closesOnKey(*static_cast<QKeyEvent*>(event))) {
        accept();
        return true;
    }
    if (event->type() == QEvent::WindowActivate)
        cmdOK->setFocus(Qt::ActiveWindowFocusReason);
    return QDialog::event(event);
}

void FormError::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    cmdOK->setFocus(Qt::OtherFocusReason);
}

} // namespace kelvo::front
