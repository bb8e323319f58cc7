#include "core/routetext.h"

#include <QCoreApplication>

#include <vector>

// Every sentence is one template with numbered places, so that a translator
// can reorder the places; coordinates, offsets and relations are notation
// and go into the places untranslated.

namespace ts {

namespace {
QString num(long long v)
{
    return QString::number(v);
}

QString pair(int a, int b)
{
    return QStringLiteral("(%1, %2)").arg(num(a), num(b));
}

QString triple(int a, int b, int c)
{
    return QStringLiteral("(%1, %2, %3)").arg(num(a), num(b), num(c));
}

// "k + 1", "k - 2", "k": the right side of a family's relation.
QString plusOffset(const char *index, long long offset)
{
    const QString name = QLatin1String(index);
    if (offset == 0)
        return name;
    return (offset < 0 ? QStringLiteral("%1 - %2") : QStringLiteral("%1 + %2"))
        .arg(name, num(offset < 0 ? -offset : offset));
}

QString relation(PlaneFamily f)
{
    return QStringLiteral("[%1]").arg(QLatin1String(info(f).relation));
}

// The families' relations or the routes' starts, in a row: notation, so the
// comma stays whatever the language.
QString listed(const QString &list, const QString &item)
{
    return list.isEmpty() ? item : list + QStringLiteral(", ") + item;
}
} // namespace

QString colourWords(int bits)
{
    // Each mix whole, so that a language may order the colours its own way.
    static const char *const words[] = {
        QT_TRANSLATE_NOOP("RouteText", "unmarked"),
        QT_TRANSLATE_NOOP("RouteText", "red"),
        QT_TRANSLATE_NOOP("RouteText", "green"),
        QT_TRANSLATE_NOOP("RouteText", "red + green"),
        QT_TRANSLATE_NOOP("RouteText", "blue"),
        QT_TRANSLATE_NOOP("RouteText", "red + blue"),
        QT_TRANSLATE_NOOP("RouteText", "green + blue"),
        QT_TRANSLATE_NOOP("RouteText", "red + green + blue"),
    };
    return QCoreApplication::translate("RouteText", words[bits & 7]);
}

QString describeRoute(const SwitchNetwork &net, int i0, int j0)
{
    const std::vector<RouteLeg> legs = routeLegs(net, i0, j0);
    QStringList words;
    for (const RouteLeg &leg : legs)
        words << legWords(net, i0, j0, leg);
    const QString from = pair(i0, j0);
    // A route has one leg (it dies at once) to four (it arrives).
    switch (words.size()) {
    case 1:
        //: %1 the start terminal "(1, 3)", then the route's legs in order
        return QCoreApplication::translate("RouteText", "terminal %1: %2.").arg(from, words[0]);
    case 2:
        //: %1 the start terminal "(1, 3)", then the route's legs in order
        return QCoreApplication::translate("RouteText", "terminal %1: %2; %3.").arg(from, words[0], words[1]);
    case 3:
        //: %1 the start terminal "(1, 3)", then the route's legs in order
        return QCoreApplication::translate("RouteText", "terminal %1: %2; %3; %4.")
            .arg(from, words[0], words[1], words[2]);
    default: break;
    }
    //: %1 the start terminal "(1, 3)", then the route's legs in order
    return QCoreApplication::translate("RouteText", "terminal %1: %2; %3; %4; %5.")
        .arg(from, words.value(0), words.value(1), words.value(2), words.value(3));
}

QString legWords(const SwitchNetwork &net, int i0, int j0, const RouteLeg &leg)
{
    const QString last = num(net.size() - 1);
    const long long offset = net.offset(leg.family);
    const QString rel = relation(leg.family);
    if (leg.dies) {
        switch (leg.kind) {
        case RouteLeg::Down:
            return QCoreApplication::translate("RouteText", "dies at once: no level k in 0..%1 with %2 = %3 %4")
                .arg(last, num(i0), plusOffset("k", offset), rel);
        case RouteLeg::AlongX:
            return QCoreApplication::translate("RouteText", "then dies: no column i in 0..%1 with %2 = %3 %4")
                .arg(last, num(j0), plusOffset("i", offset), rel);
        default:
            return QCoreApplication::translate("RouteText", "then dies: no row j in 0..%1 with %2 = %3 %4")
                .arg(last, num(leg.k), plusOffset("j", offset), rel);
        }
    }
    const QString at = triple(leg.i, leg.j, leg.k);
    switch (leg.kind) {
    case RouteLeg::Down:
        return QCoreApplication::translate("RouteText", "down to level k = %1 at switch %2 %3")
            .arg(num(leg.k), at, rel);
    case RouteLeg::AlongX:
        return QCoreApplication::translate("RouteText", "along x to i1 = %1 at switch %2 %3")
            .arg(num(leg.i), at, rel);
    case RouteLeg::AlongZ:
        return QCoreApplication::translate("RouteText", "along z to j1 = %1 at switch %2 %3")
            .arg(num(leg.j), at, rel);
    case RouteLeg::Up: break;
    }
    return QCoreApplication::translate("RouteText", "up to terminal %1, where it arrives").arg(pair(leg.i, leg.j));
}

QString stepText(const SwitchNetwork &net, int i0, int j0, int legs)
{
    const std::vector<RouteLeg> all = routeLegs(net, i0, j0);
    const int total = static_cast<int>(all.size());
    const int step = legs < 0 ? 0 : legs > total ? total : legs;
    if (step == 0)
        return QCoreApplication::translate("RouteText", "step %1 of %n: at terminal %2", nullptr, total)
            .arg(num(step), pair(i0, j0));
    //: %2 one leg of the route, as in "down to level k = 1 at switch (1, 3, 1) [i = k + c1]"
    return QCoreApplication::translate("RouteText", "step %1 of %n: %2", nullptr, total)
        .arg(num(step), legWords(net, i0, j0, all[static_cast<std::size_t>(step - 1)]));
}

QString terminalName(int i, int j)
{
    return QCoreApplication::translate("RouteText", "terminal %1").arg(pair(i, j));
}

QString describeTerminal(const SwitchNetwork &net, int i, int j)
{
    const RouteTrace r = net.trace(i, j);
    QString text = r.arrives()
        ? QCoreApplication::translate("RouteText", "terminal %1: its route arrives at terminal %2")
              .arg(pair(i, j), pair(r.i1, r.j1))
        : QCoreApplication::translate("RouteText", "terminal %1: its route dies at %2")
              .arg(pair(i, j), relation(r.deadEnd()));
    if (const int sel = net.terminalMark(i, j))
        //: %1 what is said of the box so far, %2 colours such as "red + blue"
        text = QCoreApplication::translate("RouteText", "%1; marked %2").arg(text, colourWords(sel));
    if (const int mark = net.arrivals(i, j))
        //: %1 what is said of the terminal so far, %2 colours such as "red + blue"
        text = QCoreApplication::translate("RouteText", "%1; reached by %2").arg(text, colourWords(mark));
    return text;
}

QString switchName(int i, int j, int k)
{
    return QCoreApplication::translate("RouteText", "switch %1").arg(triple(i, j, k));
}

QString describeSwitch(const SwitchNetwork &net, int i, int j, int k)
{
    QString families;
    for (const PlaneFamilyInfo &f : kPlaneFamilies)
        if (onFamily(f.family, {i, j, k}, net.offset(f.family)))
            families = listed(families, QLatin1String(f.relation));
    QString text = families.isEmpty()
        ? QCoreApplication::translate("RouteText", "switch %1: on no family").arg(triple(i, j, k))
        : QCoreApplication::translate("RouteText", "switch %1: on %2").arg(triple(i, j, k), families);
    if (const int sel = net.switchMark(i, j, k))
        //: %1 what is said of the box so far, %2 colours such as "red + blue"
        text = QCoreApplication::translate("RouteText", "%1; marked %2").arg(text, colourWords(sel));
    QString routes;
    for (int i0 = 0; i0 < net.size(); ++i0)
        for (int j0 = 0; j0 < net.size(); ++j0) {
            if (!net.terminalMark(i0, j0))
                continue;
            for (const RouteLeg &t : routeLegs(net, i0, j0))
                if (!t.dies && t.kind != RouteLeg::Up && t.i == i && t.j == j && t.k == k) {
                    routes = listed(routes, pair(i0, j0));
                    break;
                }
        }
    if (!routes.isEmpty())
        //: %1 what is said of the switch so far, %2 start terminals "(1, 3), (0, 0)"
        text = QCoreApplication::translate("RouteText", "%1; marked routes turn here: from %2").arg(text, routes);
    return text;
}

QString mapCellText(const SwitchNetwork &net, int i, int j)
{
    const RouteTrace r = net.trace(i, j);
    if (r.arrives())
        return pair(r.i1, r.j1);
    return QCoreApplication::translate("RouteText", "dies: %1").arg(QLatin1String(info(r.deadEnd()).shortName));
}

QString offsetsText(const Offsets &offsets)
{
    QString text;
    for (const PlaneFamilyInfo &f : kPlaneFamilies)
        text = listed(text, QStringLiteral("%1 = %2")
                                .arg(QLatin1String(f.offsetName),
                                     num(offsets[static_cast<std::size_t>(index(f.family))])));
    return text;
}

QString parametersText(int n, const Offsets &offsets)
{
    return QStringLiteral("N = %1, %2").arg(num(n), offsetsText(offsets));
}

QString mapRuleText(const SwitchNetwork &net)
{
    const int n = net.size();
    int arrive = 0;
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            arrive += net.trace(i, j).arrives() ? 1 : 0;
    const long long c1 = net.offset(PlaneFamily::IK), c2 = net.offset(PlaneFamily::JI), c3 = net.offset(PlaneFamily::KJ);
    const QString rule = QStringLiteral("(i, j) \u2192 (%1, %2)").arg(plusOffset("j", -c2), plusOffset("i", -c1 - c3));
    // %n counts all the terminals; the English source keeps the plural the
    // map has always shown, even in "1 of 1 terminals".
    //: %1 how many arrive, %2 the offsets "c1 = 1, c2 = -1, c3 = 2", %3 where (i, j) goes
    return QCoreApplication::translate("RouteText", "%1 of %n terminals arrive; %2: %3", nullptr, n * n)
        .arg(num(arrive), offsetsText(net.allOffsets()), rule);
}

QString describeNetwork(const SwitchNetwork &net)
{
    int marked = 0, arrive = 0;
    for (int i = 0; i < net.size(); ++i)
        for (int j = 0; j < net.size(); ++j)
            if (net.terminalMark(i, j)) {
                ++marked;
                arrive += net.trace(i, j).arrives() ? 1 : 0;
            }
    const int die = marked - arrive;
    // English reads its own singular and plural from the source, with no
    // translation loaded; other languages give plural forms for both.
    const QString markedText = marked == 1
        ? QCoreApplication::translate("RouteText", "%n terminal marked", nullptr, marked)
        : QCoreApplication::translate("RouteText", "%n terminals marked", nullptr, marked);
    const QString arriveText = arrive == 1 ? QCoreApplication::translate("RouteText", "%n arrives", nullptr, arrive)
                                           : QCoreApplication::translate("RouteText", "%n arrive", nullptr, arrive);
    const QString dieText = die == 1 ? QCoreApplication::translate("RouteText", "%n dies", nullptr, die)
                                     : QCoreApplication::translate("RouteText", "%n die", nullptr, die);
    //: %1 "N = 4, c1 = 0, ...", %2 "2 terminals marked", %3 "1 arrives", %4 "1 dies"
    return QCoreApplication::translate("RouteText", "%1; %2: %3, %4.")
        .arg(parametersText(net.size(), net.allOffsets()), markedText, arriveText, dieText);
}

} // namespace ts
