#include "core/practiceround.h"

#include <algorithm>

namespace ts {

PracticeRound::PracticeRound(std::uint64_t seed, PracticeLevel level, int questions)
    : usedSeed(seed % (kMaxPracticeSeed + 1))
    , roundLevel(level)
    , count(std::clamp(questions, 1, kMaxPracticeQuestions))
    , generator(usedSeed, level)
{
}

void PracticeRound::next()
{
    if (!hasNext()) {
        over = true;
        return;
    }
    asked.push_back({generator.next(), false, false});
    wrongTries = 0;
}

PracticeRound::Outcome PracticeRound::answer(const Answer &given)
{
    if (!isOpen())
        return Outcome::Ignored;
    Asked &now = asked.back();
    if (isRight(now.question, given)) {
        now.settled = true;
        now.right = wrongTries == 0;
        return now.right ? Outcome::Right : Outcome::RightOnSecondTry;
    }
    if (++wrongTries == 1)
        return Outcome::Hint;
    now.settled = true;
    return Outcome::Shown;
}

void PracticeRound::stop()
{
    if (started())
        over = true;
}

int PracticeRound::right() const
{
    int count = 0;
    for (const Asked &a : asked)
        count += a.right ? 1 : 0;
    return count;
}

int PracticeRound::done() const
{
    int count = 0;
    for (const Asked &a : asked)
        count += a.settled || over ? 1 : 0;
    return count;
}

std::array<std::array<int, 2>, kQuestionKinds> PracticeRound::byKind() const
{
    std::array<std::array<int, 2>, kQuestionKinds> counts{};
    for (const Asked &a : asked)
        ++counts[static_cast<std::size_t>(a.question.kind)][a.right ? 0 : 1];
    return counts;
}

} // namespace ts
