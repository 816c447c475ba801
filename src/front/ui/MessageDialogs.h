#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace kelvo::front {

// The yes/no question. Each button stores its answer value and closes the
// dialog; a close by the title bar or Esc leaves the answer at cancel (0).
class FormYesNo final : public QDialog {
    Q_OBJECT
public:
    explicit FormYesNo(QWidget* parent = nullptr);
    void setQuestion(const QString& question);
    int answer() const { return m_answer; }

private:
    void answerWith(int answer);

    QLabel* lblQuestion;
    QLabel* Image2;
    QPushButton* cmdYes;
    QPushButton* cmdNo;
    QPushButton* cmdContinue;
    int m_answer = 0;
};

// A message with one button that closes it.
class FormMsg final : public QDialog {
    Q_OBJECT
public:
    explicit FormMsg(QWidget* parent = nullptr);
    void setMessage(const QString& message);

private:
    QLabel* lblMessage;
    QLabel* Image1;
    QPushButton* cmdContinue;
};

// A failure: the message, and a details box that cmdDetail shows (doubling
// the height) and hides again (halving it). The dialog opens with half its
// design height, the details hidden.
//
// Keys, whatever control has the focus: Enter closes the dialog unless a
// button ("cmd…") has the focus, which then handles Enter itself; Esc,
// Ctrl+Enter and Alt+X close it. On activation the focus goes to cmdOK.
class FormError final : public QDialog {
    Q_OBJECT
public:
    static constexpr int kDesignWidth = 440;
    static constexpr int kDesignHeight = 320;

    explicit FormError(QWidget* parent = nullptr);
    void setMessage(const QString& message);
    void setDetails(const QString& details);
    bool detailsShown() const { return m_detailsShown; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;

private:
    void toggleDetails();
    void setHeight(int height);
    bool closesOnKey(const QKeyEvent& key) const;

    QLabel* lblError;
    QPlainTextEdit* txtError;
    QPushButton* cmdOK;
    QPushButton* cmdDetail;
    bool m_detailsShown = false;
};

} // namespace kelvo::front
