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
std::string plusOffset(const char *index, long long offset)
{
    if (offset == 0)
        return index;
    return std::string(index) + (offset < 0 ? " - " : " + ") + num(offset < 0 ? -offset : offset);
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
    std::string text = "terminal " + pair(i0, j0) + ": ";
    const std::vector<RouteLeg> legs = routeLegs(net, i0, j0);
    for (std::size_t l = 0; l < legs.size(); ++l)
        text += (l ? "; " : "") + legWords(net, i0, j0, legs[l]);
    return text + ".";
}

std::string legWords(const SwitchNetwork &net, int i0, int j0, const RouteLeg &leg)
{
    const int n = net.size();
    const int offset = net.offset(leg.family);
    if (leg.dies) {
        switch (leg.kind) {
        case RouteLeg::Down: return "dies at once: " + noSolution("level", "k", i0, offset, n) + " " + relation(leg.family);
        case RouteLeg::AlongX: return "then dies: " + noSolution("column", "i", j0, offset, n) + " " + relation(leg.family);
        default: return "then dies: " + noSolution("row", "j", leg.k, offset, n) + " " + relation(leg.family);
        }
    }
    switch (leg.kind) {
    case RouteLeg::Down: return "down to level k = " + num(leg.k) + " at switch " + triple(leg.i, leg.j, leg.k) + " " + relation(leg.family);
    case RouteLeg::AlongX: return "along x to i1 = " + num(leg.i) + " at switch " + triple(leg.i, leg.j, leg.k) + " " + relation(leg.family);
    case RouteLeg::AlongZ: return "along z to j1 = " + num(leg.j) + " at switch " + triple(leg.i, leg.j, leg.k) + " " + relation(leg.family);
    case RouteLeg::Up: break;
    }
    return "up to terminal " + pair(leg.i, leg.j) + ", where it arrives";
}

std::string stepText(const SwitchNetwork &net, int i0, int j0, int legs)
{
    const std::vector<RouteLeg> all = routeLegs(net, i0, j0);
    const int total = static_cast<int>(all.size());
    const int step = legs < 0 ? 0 : legs > total ? total : legs;
    const std::string head = "step " + num(step) + " of " + num(total) + ": ";
    if (step == 0)
        return head + "at terminal " + pair(i0, j0);
    return head + legWords(net, i0, j0, all[static_cast<std::size_t>(step - 1)]);
}

std::string terminalName(int i, int j)
{
    return "terminal " + pair(i, j);
}

std::string describeTerminal(const SwitchNetwork &net, int i, int j)
{
    const RouteTrace r = net.trace(i, j);
    std::string text = terminalName(i, j) + ": ";
    if (r.arrives())
        text += "its route arrives at terminal " + pair(r.i1, r.j1);
    else
        text += std::string("its route dies at ") + relation(r.deadEnd());
    if (const int sel = net.terminalMark(i, j))
        text += "; marked " + colourWords(sel);
    if (const int mark = net.arrivals(i, j))
        text += "; reached by " + colourWords(mark);
    return text;
}

std::string switchName(int i, int j, int k)
{
    return "switch " + triple(i, j, k);
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
    std::string text = switchName(i, j, k) + ": " + (families.empty() ? "on no family" : "on " + families);
    if (const int sel = net.switchMark(i, j, k))
        text += "; marked " + colourWords(sel);
    std::string routes;
    for (int i0 = 0; i0 < net.size(); ++i0)
        for (int j0 = 0; j0 < net.size(); ++j0) {
            if (!net.terminalMark(i0, j0))
                continue;
            for (const RouteLeg &t : routeLegs(net, i0, j0))
                if (!t.dies && t.kind != RouteLeg::Up && t.i == i && t.j == j && t.k == k) {
                    routes += routes.empty() ? "" : ", ";
                    routes += pair(i0, j0);
                    break;
                }
        }
    if (!routes.empty())
        text += "; marked routes turn here: from " + routes;
    return text;
}

std::string mapCellText(const SwitchNetwork &net, int i, int j)
{
    const RouteTrace r = net.trace(i, j);
    if (r.arrives())
        return pair(r.i1, r.j1);
    return std::string("dies: ") + info(r.deadEnd()).shortName;
}

std::string offsetsText(const Offsets &offsets)
{
    std::string text;
    for (const PlaneFamilyInfo &f : kPlaneFamilies)
        text += (text.empty() ? "" : ", ") + std::string(f.offsetName) + " = " +
                num(offsets[static_cast<std::size_t>(index(f.family))]);
    return text;
}

std::string parametersText(int n, const Offsets &offsets)
{
    return "N = " + num(n) + ", " + offsetsText(offsets);
}

std::string mapRuleText(const SwitchNetwork &net)
{
    const int n = net.size();
    int arrive = 0;
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            arrive += net.trace(i, j).arrives() ? 1 : 0;
    const long long c1 = net.offset(PlaneFamily::IK), c2 = net.offset(PlaneFamily::JI), c3 = net.offset(PlaneFamily::KJ);
    return num(arrive) + " of " + num(static_cast<long long>(n) * n) + " terminals arrive; " +
           offsetsText(net.allOffsets()) + ": (i, j) \u2192 (" + plusOffset("j", -c2) + ", " +
           plusOffset("i", -c1 - c3) + ")";
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
    return parametersText(net.size(), net.allOffsets()) + "; " + num(marked) +
           (marked == 1 ? " terminal" : " terminals") + " marked: " + num(arrive) + (arrive == 1 ? " arrives, " : " arrive, ") +
           num(marked - arrive) + (marked - arrive == 1 ? " dies." : " die.");
}

} // namespace ts
