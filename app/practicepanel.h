#pragma once

#include "core/practiceround.h"

#include <QWidget>

#include <array>

class GLBox;
class NetworkDocument;
class RouteStepper;
class QAbstractButton;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;

// Practice: shows a round (PracticeRound) one question at a time, answered
// with the form (Enter checks), the buttons or a click on a terminal in the
// view. A first wrong answer gets a hint; a second gets the route's words,
// and the route is marked and drawn to its end. After ten questions, or
// Stop, the summary, which may carry the student's name and be saved.
class PracticePanel : public QWidget
{
    Q_OBJECT

public:
    PracticePanel(NetworkDocument *document, GLBox *view, RouteStepper *stepper, QWidget *parent);

    // A new round of questions from this seed and level, as many as the
    // lesson's practice set asks for (ten without one).
    void start(quint64 seed, ts::PracticeLevel level);
    // The lesson's practice set where there is one, else the dock's choice.
    void startLessonRound();
    const ts::Question &question() const { return round.current(); }
    const ts::PracticeRound &practiceRound() const { return round; }
    void answer(const ts::Answer &given);
    // The summary as text, one line each, for the clipboard or a file.
    QString summaryText() const;

signals:
    // A question was asked or settled, or the round ended: whether one is
    // open now, so that nothing else on screen gives its answer away.
    void questionOpenChanged(bool open);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void ask();
    void checkForm();
    void showState();
    void followPracticeSet();
    void showRoute(const ts::Question &q, bool ask);
    void say(QLabel *label, const QString &text);
    void showSummary();
    void fillSummary();
    // The feedback on the last answer, worded in the language in use.
    void showFeedback();
    void saveSummary();
    QPushButton *button(const char *name, const QString &text, QWidget *parent);

    NetworkDocument *document;
    GLBox *view;
    RouteStepper *stepper;
    ts::PracticeRound round;
    bool wasOpen = false;
    ts::PracticeRound::Outcome feedbackOutcome = ts::PracticeRound::Outcome::Ignored; // Ignored: no feedback
    ts::Answer feedbackAnswer;

    QSpinBox *seed;
    QComboBox *level;
    QWidget *asking, *summing;
    QLabel *lessonSet;
    QLabel *questionLabel, *feedback, *score;
    QSpinBox *answerI, *answerJ, *answerK;
    std::array<QLabel *, 3> answerLabels{};
    std::array<QSpinBox *, 3> boxes() const { return {answerI, answerJ, answerK}; }
    QPushButton *check, *dies, *next, *stop;
    QPushButton *familyButtons[4]; // IK, JI, KJ, none
    QLabel *roundOver;
    QLineEdit *student;
    QListWidget *summary;
};
