#include "core/practice.h"

#include "core/routetext.h"

#include <QCoreApplication>

#include <utility>
#include <vector>

namespace ts {

namespace {
QString pair(int a, int b)
{
    return QStringLiteral("(%1, %2)").arg(QString::number(a), QString::number(b));
}

// Where a route dies: 0 IK, 1 JI, 2 KJ; -1 when it arrives.
int deathFamily(const RouteTrace &r)
{
    return r.arrives() ? -1 : index(r.deadEnd());
}

bool sourceOf(const SwitchNetwork &net, int c, int d, int *i, int *j)
{
    for (int i0 = 0; i0 < net.size(); ++i0)
        for (int j0 = 0; j0 < net.size(); ++j0) {
            const RouteTrace r = net.trace(i0, j0);
            if (r.arrives() && r.i1 == c && r.j1 == d) {
                *i = i0;
                *j = j0;
                return true;
            }
        }
    return false;
}

bool arrivesAt(const SwitchNetwork &net, int a, int b, int c, int d)
{
    const RouteTrace r = net.trace(a, b);
    return r.arrives() && r.i1 == c && r.j1 == d;
}
} // namespace

SwitchNetwork Question::network() const
{
    SwitchNetwork net;
    net.setSize(size);
    for (const PlaneFamily f : kAllPlaneFamilies)
        net.setOffset(f, offsets[static_cast<std::size_t>(index(f))]);
    return net;
}

PracticeGenerator::PracticeGenerator(std::uint64_t seed, PracticeLevel level)
    : state(seed)
    , level(level)
{
}

std::uint64_t PracticeGenerator::nextBits()
{
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

int PracticeGenerator::bounded(int low, int high)
{
    const auto span = static_cast<std::uint64_t>(high - low + 1);
    return low + static_cast<int>(nextBits() % span);
}

Question PracticeGenerator::next()
{
    Question q;
    q.kind = static_cast<QuestionKind>(bounded(0, kQuestionKinds - 1));
    switch (level) {
    case PracticeLevel::Small: {
        q.size = bounded(3, 5);
        const int which = bounded(0, kPlaneFamilyCount); // the last: all offsets 0
        if (which < kPlaneFamilyCount)
            q.offsets[static_cast<std::size_t>(which)] = bounded(-(q.size - 1), q.size - 1);
        break;
    }
    case PracticeLevel::Medium:
    case PracticeLevel::Large:
        // Offsets within half the size, so that most routes arrive.
        q.size = level == PracticeLevel::Medium ? bounded(4, 8) : bounded(8, 15);
        for (int &c : q.offsets)
            c = bounded(-(q.size / 2), q.size / 2);
        break;
    }
    const int n = q.size;
    q.a = bounded(0, n - 1);
    q.b = bounded(0, n - 1);
    q.c = bounded(0, n - 1);
    q.d = bounded(0, n - 1);
    // Mostly ask for a destination that some route reaches.
    if (q.kind == QuestionKind::Source && bounded(0, 3) != 0) {
        const SwitchNetwork net = q.network();
        std::vector<std::pair<int, int>> reached;
        for (int i = 0; i < n; ++i)
            for (int j = 0; j < n; ++j)
                if (const RouteTrace r = net.trace(i, j); r.arrives())
                    reached.emplace_back(r.i1, r.j1);
        if (!reached.empty()) {
            const auto &to = reached[static_cast<std::size_t>(bounded(0, static_cast<int>(reached.size()) - 1))];
            q.c = to.first;
            q.d = to.second;
        }
    }
    // A construction must ask for a change: draw again while the given
    // offsets already do it (a few times at most; the draws stay fixed).
    for (int t = 0; t < 4 && q.kind == QuestionKind::Construct && arrivesAt(q.network(), q.a, q.b, q.c, q.d); ++t) {
        q.c = bounded(0, n - 1);
        q.d = bounded(0, n - 1);
    }
    return q;
}

// Whole sentences with numbered places, so that a translator can reorder
// them; the terminals and relations are notation.
QString questionText(const Question &q)
{
    const QString from = pair(q.a, q.b);
    switch (q.kind) {
    case QuestionKind::Arrival:
        return QCoreApplication::translate("Practice", "Where does terminal %1 arrive?").arg(from);
    case QuestionKind::TurnLevel:
        return QCoreApplication::translate("Practice", "At which level does the route of terminal %1 turn?").arg(from);
    case QuestionKind::EndingFamily:
        return QCoreApplication::translate("Practice", "Which family ends the route of terminal %1?").arg(from);
    case QuestionKind::Source:
        return QCoreApplication::translate("Practice", "Which terminal arrives at %1?").arg(pair(q.c, q.d));
    case QuestionKind::Construct: break;
    }
    return QCoreApplication::translate("Practice", "Set c1, c2 and c3 so that terminal %1 arrives at %2.")
        .arg(from, pair(q.c, q.d));
}

bool isRight(const Question &q, const Answer &answer)
{
    const SwitchNetwork net = q.network();
    const RouteTrace r = net.trace(q.a, q.b);
    switch (q.kind) {
    case QuestionKind::Arrival:
        return r.arrives() ? answer.kind == Answer::Terminal && answer.i == r.i1 && answer.j == r.j1
                           : answer.kind == Answer::Dies;
    case QuestionKind::TurnLevel:
        return r.k >= 0 ? answer.kind == Answer::Level && answer.k == r.k : answer.kind == Answer::Dies;
    case QuestionKind::EndingFamily: {
        const int dies = deathFamily(r);
        return dies < 0 ? answer.kind == Answer::None
                        : answer.kind == Answer::Family && index(answer.family) == dies;
    }
    case QuestionKind::Source: {
        int i = 0, j = 0;
        if (!sourceOf(net, q.c, q.d, &i, &j))
            return answer.kind == Answer::Dies;
        return answer.kind == Answer::Terminal && answer.i == i && answer.j == j;
    }
    case QuestionKind::Construct: break;
    }
    if (answer.kind != Answer::Offsets)
        return false;
    Question tried = q;
    tried.offsets = answer.offsets;
    for (const int c : answer.offsets)
        if (c < -q.size || c > q.size)
            return false;
    return arrivesAt(tried.network(), q.a, q.b, q.c, q.d);
}

QString hint(const Question &q, const Answer &answer)
{
    const SwitchNetwork net = q.network();
    const RouteTrace r = net.trace(q.a, q.b);
    switch (q.kind) {
    case QuestionKind::Arrival:
        if (!r.arrives())
            return QCoreApplication::translate(
                "Practice", "Check each turn in order: one of the families has no switch for this route.");
        if (answer.kind == Answer::Dies)
            return QCoreApplication::translate("Practice", "It does arrive: every family has a switch for it.");
        if (answer.i != r.i1)
            return QCoreApplication::translate("Practice",
                                               "The column is not right: the run along x ends where j = i + c2 holds.");
        return QCoreApplication::translate("Practice",
                                           "The row is not right: the run along z ends where k = j + c3 holds.");
    case QuestionKind::TurnLevel:
        return QCoreApplication::translate(
            "Practice", "The route goes down until i = k + c1 holds, if some level k in the network does that.");
    case QuestionKind::EndingFamily:
        return QCoreApplication::translate(
            "Practice", "Follow the turns in order: the i = k + c1 family first, then j = i + c2, then k2 = j + c3.");
    case QuestionKind::Source:
        return QCoreApplication::translate(
            "Practice",
            "Work backwards: terminal (i, j) arrives at (j - c2, i - c1 - c3) when every turn is in the network.");
    case QuestionKind::Construct: break;
    }
    Question tried = q;
    tried.offsets = answer.offsets;
    const RouteTrace t = tried.network().trace(q.a, q.b);
    if (!t.arrives())
        return QCoreApplication::translate("Practice",
                                           "With these offsets the route dies: the %1 family has no switch for it.")
            .arg(QLatin1String(info(t.deadEnd()).title));
    return QCoreApplication::translate(
               "Practice", "With these offsets it arrives at %1: the column follows from c2, the row from c1 and c3.")
        .arg(pair(t.i1, t.j1));
}

Offsets exampleSolution(const Question &q)
{
    // One way of many: turn at level 0, so c1 = a; then c2 = b - c and c3 = -d.
    return {q.a, q.b - q.c, -q.d};
}

bool explainedTerminal(const Question &q, int *i, int *j)
{
    if (q.kind != QuestionKind::Source) {
        *i = q.a;
        *j = q.b;
        return true;
    }
    return sourceOf(q.network(), q.c, q.d, i, j);
}

QString explanation(const Question &q)
{
    const SwitchNetwork net = q.network();
    int i = 0, j = 0;
    if (q.kind == QuestionKind::Construct) {
        Question solved = q;
        solved.offsets = exampleSolution(q);
        const SwitchNetwork s = solved.network();
        //: %1 offsets "c1 = 1, c2 = 0, c3 = 2", %2 the route's description
        return QCoreApplication::translate("Practice", "for example %1: %2")
            .arg(offsetsText(solved.offsets), describeRoute(s, q.a, q.b));
    }
    if (!explainedTerminal(q, &i, &j))
        return QCoreApplication::translate("Practice", "no terminal arrives at %1: no (i, j) in the network has "
                                                       "j - c2 = %2 and i - c1 - c3 = %3 with every turn inside it.")
            .arg(pair(q.c, q.d), QString::number(q.c), QString::number(q.d));
    return describeRoute(net, i, j);
}

QString kindName(QuestionKind kind)
{
    switch (kind) {
    case QuestionKind::Arrival: return QCoreApplication::translate("Practice", "Where does it arrive");
    case QuestionKind::TurnLevel: return QCoreApplication::translate("Practice", "Where does it turn");
    case QuestionKind::EndingFamily: return QCoreApplication::translate("Practice", "Which family ends it");
    case QuestionKind::Source: return QCoreApplication::translate("Practice", "Which terminal arrives");
    case QuestionKind::Construct: break;
    }
    return QCoreApplication::translate("Practice", "Set the offsets");
}

} // namespace ts
