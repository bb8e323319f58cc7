#pragma once

#include "core/practice.h"

#include <array>
#include <cstdint>
#include <vector>

// One round of practice, with no widgets: ten questions from a seed and a
// level, the tries at the question being asked, the score and what the
// summary lists. The practice dock shows it and hands it the answers.

namespace ts {

// Seeds a lecturer can hand out; a larger one is taken modulo one more.
constexpr std::uint64_t kMaxPracticeSeed = 999999999;

class PracticeRound
{
public:
    // What an answer did. Only a right first try counts as right.
    enum class Outcome { Right, RightOnSecondTry, Hint, Shown, Ignored };

    struct Asked
    {
        Question question;
        bool right = false;   // right on the first try
        bool settled = false; // answered right, or shown after two tries
    };

    // No round: nothing asked.
    PracticeRound() = default;
    // Questions from 1 to kMaxPracticeQuestions; others are brought there.
    PracticeRound(std::uint64_t seed, PracticeLevel level, int questions = kQuestionsPerRound);

    std::uint64_t seed() const { return usedSeed; }
    PracticeLevel level() const { return roundLevel; }
    int questionCount() const { return count; }
    bool started() const { return !asked.empty(); }
    bool isOver() const { return over; }
    // A question is open: asked, not yet answered right or shown, and the
    // round not stopped.
    bool isOpen() const { return started() && !over && !asked.back().settled; }
    bool hasNext() const { return !over && asked.size() < std::size_t(count); }
    const Question &current() const { return asked.back().question; }
    int number() const { return static_cast<int>(asked.size()); }

    // Asks the next question; ends the round after the last one.
    void next();
    Outcome answer(const Answer &given);
    // Ends the round at once; an open question counts as missed.
    void stop();

    int right() const;
    // Questions answered or shown (an open one is not yet done).
    int done() const;
    const std::vector<Asked> &questions() const { return asked; }
    // Right and missed per kind of question, for the summary.
    std::array<std::array<int, 2>, kQuestionKinds> byKind() const;

private:
    std::uint64_t usedSeed = 0;
    PracticeLevel roundLevel = PracticeLevel::Small;
    int count = kQuestionsPerRound;
    PracticeGenerator generator{0, PracticeLevel::Small};
    std::vector<Asked> asked;
    int wrongTries = 0;
    bool over = false;
};

} // namespace ts
