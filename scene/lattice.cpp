#include "scene/lattice.h"
#include "scene/palette.h"

namespace ts {

namespace {
void frameStyle(int bits, LatticeBox &box)
{
    box.hasFrame = true;
    box.frameWidth = bits ? kThickLine : kThinLine;
    box.frameColour = bits ? colourFromBits(bits, palette::marked) : palette::white;
}

void fade(LatticeBox &box)
{
    box.hasFrame = true;
    box.frameWidth = kThinLine;
    box.frameColour = palette::faint;
    box.hasFill = false;
}
} // namespace

void buildLattice(const SwitchNetwork &net, const DisplayOptions &options, std::vector<LatticeBox> &boxes,
                  const RouteBoxes *focus)
{
    const int n = net.size();
    const CellGeometry g(n);
    const float half = g.switchHalfSize();
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) {
            for (int k = 0; k < n; ++k) {
                float fill[3] = {palette::switchGrey.r, palette::switchGrey.g, palette::switchGrey.b};
                bool filled = options.switchesMode == SwitchesFill;
                for (const PlaneFamilyInfo &family : kPlaneFamilies) {
                    if (options.plane(family.family).hilite &&
                        onFamily(family.family, {i, j, k}, net.offset(family.family))) {
                        fill[familyLook(family.family).highlightChannel] = palette::highlight;
                        filled = true;
                    }
                }
                if (options.switchesMode >= SwitchesOff && !filled)
                    continue;
                LatticeBox box{};
                box.name = switchPickName(i, j, k, n);
                box.centre = {g.x(i), g.y(k), g.z(j)};
                box.halfSize = {half, half, half};
                frameStyle(net.switchMark(i, j, k), box);
                box.hasFill = filled;
                box.fillColour = {fill[0], fill[1], fill[2]};
                if (focus && !focus->hasSwitch(i, j, k))
                    fade(box);
                boxes.push_back(box);
            }
            LatticeBox terminal{};
            terminal.name = terminalPickName(i, j, n);
            terminal.centre = {g.x(i), 1.0f, g.z(j)};
            terminal.halfSize = {g.boxScale, g.boxScale / 3.0f, g.boxScale};
            frameStyle(net.terminalMark(i, j), terminal);
            const int mark = net.arrivals(i, j);
            terminal.hasFill = true;
            terminal.fillColour = mark ? colourFromBits(mark, palette::derived) : palette::terminalGrey;
            if (focus && !focus->hasTerminal(i, j))
                fade(terminal);
            boxes.push_back(terminal);
        }
    }
}

} // namespace ts
