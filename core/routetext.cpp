#include "core/routetext.h"

#include <vector>

namespace ts {

namespace {
std::string num(long long v)
{
    return std::to_string(v);
}

std::string pair(int a, int b)
{
    return "(" + num(a) + ", " + num(b) + ")";
}

std::string triple(int a, int b, int c)
{
    return "(" + num(a) + ", " + num(b) + ", " + num(c) + ")";
}

// "k + 1", "k - 2", "k": the right side of a family's relation.
std::string plusOffset(const char *index, int offset)
{
    if (offset == 0)
        return index;
    const long long magnitude = offset < 0 ? -static_cast<long long>(offset) : offset;
    return std::string(index) + (offset < 0 ? " - " : " + ") + num(magnitude);
}

std::string relation(PlaneFamily f)
{
    return std::string("[") + info(f).relation + "]";
}

// Why a run finds no switch of its family: "no level k in 0..3 with 0 = k + 1".
std::string noSolution(const char *what, const char *index, int lhsValue, int offset, int n)
{
    return std::string("no ") + what + " " + index + " in 0.." + num(n - 1) + " with " + num(lhsValue) + " = " +
           plusOffset(index, offset);
}

struct Turn
{
    int i, j, k;
};

// The switches where a route turns, as far as it gets.
std::vector<Turn> turns(const SwitchNetwork &net, int i0, int j0)
{
    const RouteTrace r = net.trace(i0, j0);
    std::vector<Turn> t;
    if (r.k >= 0)
        t.push_back({i0, j0, r.k});
    if (r.i1 >= 0)
        t.push_back({r.i1, j0, r.k});
    if (r.j1 >= 0)
        t.push_back({r.i1, r.j1, r.k});
    return t;
}
} // namespace

std::string colourWords(int bits)
{
    const char *names[] = {"red", "green", "blue"};
    std::string words;
    for (int b = 0; b < 3; ++b) {
        if (!(bits & (1 << b)))
            continue;
        if (!words.empty())
            words += " + ";
        words += names[b];
    }
    return words.empty() ? "unmarked" : words;
}

std::string describeRoute(const SwitchNetwork &net, int i0, int j0)
{
    const int n = net.size();
    const RouteTrace r = net.trace(i0, j0);
    std::string text = "terminal " + pair(i0, j0) + ": ";
    const int c1 = net.offset(PlaneFamily::IK), c2 = net.offset(PlaneFamily::JI), c3 = net.offset(PlaneFamily::KJ);
    if (r.k < 0)
        return text + "dies at once: " + noSolution("level", "k", i0, c1, n) + " " + relation(PlaneFamily::IK) + ".";
    text += "down to level k = " + num(r.k) + " at switch " + triple(i0, j0, r.k) + " " + relation(PlaneFamily::IK);
    if (r.i1 < 0)
        return text + "; then dies: " + noSolution("column", "i", j0, c2, n) + " " + relation(PlaneFamily::JI) + ".";
    text += "; along x to i1 = " + num(r.i1) + " at switch " + triple(r.i1, j0, r.k) + " " + relation(PlaneFamily::JI);
    if (r.j1 < 0)
        return text + "; then dies: " + noSolution("row", "j", r.k, c3, n) + " " + relation(PlaneFamily::KJ) + ".";
    text += "; along z to j1 = " + num(r.j1) + " at switch " + triple(r.i1, r.j1, r.k) + " " +
            relation(PlaneFamily::KJ);
    return text + "; up to terminal " + pair(r.i1, r.j1) + ", where it arrives.";
}

std::string describeTerminal(const SwitchNetwork &net, int i, int j)
{
    const RouteTrace r = net.trace(i, j);
    std::string text = "terminal " + pair(i, j) + ": ";
    if (r.arrives())
        text += "its route arrives at terminal " + pair(r.i1, r.j1);
    else
        text += std::string("its route dies at ") + relation(r.k < 0 ? PlaneFamily::IK
                                                             : r.i1 < 0 ? PlaneFamily::JI : PlaneFamily::KJ);
    if (const int sel = net.terminalMark(i, j))
        text += "; marked " + colourWords(sel);
    if (const int mark = net.arrivals(i, j))
        text += "; reached by " + colourWords(mark);
    return text;
}

std::string describeSwitch(const SwitchNetwork &net, int i, int j, int k)
{
    std::string families;
    for (const PlaneFamilyInfo &f : kPlaneFamilies) {
        if (!onFamily(f.family, {i, j, k}, net.offset(f.family)))
            continue;
        families += families.empty() ? "" : ", ";
        families += f.relation;
    }
    std::string text = "switch " + triple(i, j, k) + ": " + (families.empty() ? "on no family" : "on " + families);
    if (const int sel = net.switchMark(i, j, k))
        text += "; marked " + colourWords(sel);
    std::string routes;
    for (int i0 = 0; i0 < net.size(); ++i0)
        for (int j0 = 0; j0 < net.size(); ++j0) {
            if (!net.terminalMark(i0, j0))
                continue;
            for (const Turn &t : turns(net, i0, j0))
                if (t.i == i && t.j == j && t.k == k) {
                    routes += routes.empty() ? "" : ", ";
                    routes += pair(i0, j0);
                    break;
                }
        }
    if (!routes.empty())
        text += "; marked routes turn here: from " + routes;
    return text;
}

std::string describeNetwork(const SwitchNetwork &net)
{
    int marked = 0, arrive = 0;
    for (int i = 0; i < net.size(); ++i)
        for (int j = 0; j < net.size(); ++j)
            if (net.terminalMark(i, j)) {
                ++marked;
                arrive += net.trace(i, j).arrives() ? 1 : 0;
            }
    return "N = " + num(net.size()) + ", c1 = " + num(net.offset(PlaneFamily::IK)) + ", c2 = " +
           num(net.offset(PlaneFamily::JI)) + ", c3 = " + num(net.offset(PlaneFamily::KJ)) + "; " + num(marked) +
           (marked == 1 ? " terminal" : " terminals") + " marked: " + num(arrive) + (arrive == 1 ? " arrives, " : " arrive, ") +
           num(marked - arrive) + (marked - arrive == 1 ? " dies." : " die.");
}

} // namespace ts
