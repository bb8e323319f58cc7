#include "view/pickculling.h"

#include <algorithm>

namespace ts {

PixelRect projectedExtent(const LatticeBox &box, const Mat4 &mvp, int width, int height)
{
    PixelRect r{1e300, 1e300, -1e300, -1e300};
    for (int corner = 0; corner < 8; ++corner) {
        const double p[3] = {box.centre.x + ((corner & 1) ? box.halfSize.x : -box.halfSize.x),
                             box.centre.y + ((corner & 2) ? box.halfSize.y : -box.halfSize.y),
                             box.centre.z + ((corner & 4) ? box.halfSize.z : -box.halfSize.z)};
        double clip[4];
        for (int row = 0; row < 4; ++row)
            clip[row] = mvp.at(row, 0) * p[0] + mvp.at(row, 1) * p[1] + mvp.at(row, 2) * p[2] + mvp.at(row, 3);
        const double x = (clip[0] / clip[3] + 1.0) / 2.0 * width;
        const double y = (clip[1] / clip[3] + 1.0) / 2.0 * height;
        r.left = std::min(r.left, x);
        r.right = std::max(r.right, x);
        r.bottom = std::min(r.bottom, y);
        r.top = std::max(r.top, y);
    }
    return r;
}

void boxesNearWindow(const std::vector<LatticeBox> &boxes, const Camera &camera, const PixelRect &window,
                     double margin, std::vector<LatticeBox> &out)
{
    const Mat4 mvp = camera.modelViewProjection();
    for (const LatticeBox &box : boxes) {
        const PixelRect e = projectedExtent(box, mvp, camera.width, camera.height);
        if (e.right + margin >= window.left && e.left - margin <= window.right && e.top + margin >= window.bottom &&
            e.bottom - margin <= window.top)
            out.push_back(box);
    }
}

} // namespace ts
