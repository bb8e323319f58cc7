#pragma once

#include "core/network.h"

#include <cstdint>
#include <QString>

// Practice: questions about the network, made from the rules alone, and the
// checking of a student's answers. The same seed and level give the same
// questions on every machine, so a lecturer can hand out "seed 2718, medium".

namespace ts {

enum class PracticeLevel { Small, Medium, Large };
enum class QuestionKind { Arrival, TurnLevel, EndingFamily, Source, Construct };
constexpr int kQuestionKinds = 5;
constexpr int kQuestionsPerRound = 10;
// The most a lesson's practice set may ask for.
constexpr int kMaxPracticeQuestions = 50;

struct Question
{
    QuestionKind kind = QuestionKind::Arrival;
    int size = kDefaultNetworkSize;
    Offsets offsets{};
    int a = 0, b = 0; // the terminal asked about (for Source: unused)
    int c = 0, d = 0; // Source: the destination asked about; Construct: the wanted one

    // The network the question is asked in, with no marks.
    SwitchNetwork network() const;
    bool operator==(const Question &o) const
    {
        return kind == o.kind && size == o.size && offsets == o.offsets && a == o.a && b == o.b && c == o.c &&
               d == o.d;
    }
};

// What a student can answer: a terminal, a level, a family, that the route
// dies (or that none arrives), or offsets.
struct Answer
{
    enum Kind { Terminal, Level, Family, Dies, None, Offsets } kind = Dies;
    int i = 0, j = 0;   // Terminal
    int k = 0;          // Level
    PlaneFamily family = PlaneFamily::IK;
    ts::Offsets offsets{}; // Offsets, as the panel shows them
};

// SplitMix64: a generator written out here, so that its numbers do not depend
// on the standard library.
class PracticeGenerator
{
public:
    PracticeGenerator(std::uint64_t seed, PracticeLevel level);
    Question next();

private:
    std::uint64_t nextBits();
    int bounded(int low, int high); // low..high, both included

    std::uint64_t state;
    PracticeLevel level;
};

QString questionText(const Question &q);
bool isRight(const Question &q, const Answer &answer);
// A nudge after a first wrong answer, without giving the answer away.
QString hint(const Question &q, const Answer &answer);
// The route's words that explain the answer (as the Routes panel says them).
QString explanation(const Question &q);
// Offsets that answer a construction question (any that do are right).
Offsets exampleSolution(const Question &q);
// The terminal whose route explains the answer: the one asked about, or for
// Source the one that arrives (false when none does).
bool explainedTerminal(const Question &q, int *i, int *j);
QString kindName(QuestionKind kind);

} // namespace ts
