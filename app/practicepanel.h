#pragma once

#include "core/practice.h"

#include <QWidget>

#include <array>
#include <vector>

class GLBox;
class NetworkDocument;
class RouteStepper;
class QAbstractButton;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;

// Practice: one question at a time about the network, answered with the
// form, the buttons or a click on a terminal in the view, and checked at
// once. A first wrong answer gets a hint; a second gets the route's words,
// and the route is marked and drawn to its end. After ten questions, a
// summary of what was missed.
class PracticePanel : public QWidget
{
    Q_OBJECT

public:
    PracticePanel(NetworkDocument *document, GLBox *view, RouteStepper *stepper, QWidget *parent);

    // A new round of questions from this seed and level.
    void start(quint64 seed, ts::PracticeLevel level);
    const ts::Question &question() const { return current; }
    void answer(const ts::Answer &given);

private:
    struct Asked
    {
        ts::Question question;
        bool right = false;
    };
    void ask();
    void showQuestion();
    void showRoute(const ts::Question &q, bool ask);
    void say(QLabel *label, const QString &text);
    void showSummary();
    QPushButton *button(const char *name, const QString &text);

    NetworkDocument *document;
    GLBox *view;
    RouteStepper *stepper;
    ts::PracticeGenerator generator{0, ts::PracticeLevel::Small};
    ts::Question current;
    int wrongTries = 0;
    bool settled = true; // the current question is answered (right or shown)
    std::vector<Asked> asked;

    QSpinBox *seed;
    QComboBox *level;
    QLabel *questionLabel, *feedback, *score;
    QSpinBox *answerI, *answerJ, *answerK;
    std::array<QLabel *, 3> answerLabels{};
    std::array<QSpinBox *, 3> boxes() const { return {answerI, answerJ, answerK}; }
    QPushButton *check, *dies, *next;
    QPushButton *familyButtons[4]; // IK, JI, KJ, none
    QListWidget *summary;
    QPushButton *copy;
};
