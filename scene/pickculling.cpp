#include "scene/pickculling.h"

#include <algorithm>

namespace ts {

PixelRect projectedExtent(const LatticeBox &box, const Mat4 &mvp, int width, int height)
{
    PixelRect r{1e300, 1e300, -1e300, -1e300};
    for (int corner = 0; corner < 8; ++corner) {
        const Vec3 p{box.centre.x + ((corner & 1) ? box.halfSize.x : -box.halfSize.x),
                     box.centre.y + ((corner & 2) ? box.halfSize.y : -box.halfSize.y),
                     box.centre.z + ((corner & 4) ? box.halfSize.z : -box.halfSize.z)};
        const WindowPoint w = toWindow(mvp, p, width, height);
        r.left = std::min(r.left, w.x);
        r.right = std::max(r.right, w.x);
        r.bottom = std::min(r.bottom, w.y);
        r.top = std::max(r.top, w.y);
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
