#include "scene/depthorder.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace ts {

namespace {
// Points in double, so that cutting adds no error worth the name.
struct P
{
    double x, y, z;
};
P operator-(const P &a, const P &b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
double dot(const P &a, const P &b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
P cross(const P &a, const P &b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
P lerp(const P &a, const P &b, double t) { return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t, a.z + (b.z - a.z) * t}; }
double coord(const P &p, int axis) { return axis == 0 ? p.x : axis == 1 ? p.y : p.z; }
P toP(const Vec3 &v) { return {v.x, v.y, v.z}; }
Vec3 toVec(const P &p) { return {static_cast<float>(p.x), static_cast<float>(p.y), static_cast<float>(p.z)}; }

// The scene spans a few units; closer than this to a plane is on it.
constexpr double kOnPlane = 1e-7;
constexpr double kLeastArea = 1e-12;

struct Plane
{
    P n;
    double d;
    double at(const P &p) const { return dot(n, p) - d; }
};

using Points = std::vector<P>;

struct Piece
{
    Points points;
    int source;
};

struct SegmentPiece
{
    P a, b;
    double t0, t1;
    int source;
};

// The cut of a convex polygon by a plane: what lies behind and what in front
// (either may be empty; a polygon on the plane the caller has sorted out).
void cut(const Points &poly, const Plane &plane, Points &back, Points &front)
{
    back.clear();
    front.clear();
    const std::size_t n = poly.size();
    for (std::size_t v = 0; v < n; ++v) {
        const P &a = poly[v], &b = poly[(v + 1) % n];
        const double da = plane.at(a), db = plane.at(b);
        if (da <= kOnPlane)
            back.push_back(a);
        if (da >= -kOnPlane)
            front.push_back(a);
        if ((da < -kOnPlane && db > kOnPlane) || (da > kOnPlane && db < -kOnPlane)) {
            const P m = lerp(a, b, da / (da - db));
            back.push_back(m);
            front.push_back(m);
        }
    }
}

// Twice the area, by Newell's normal; also that normal, unnormalised.
P newellNormal(const Points &poly)
{
    P n{0, 0, 0};
    for (std::size_t v = 0; v < poly.size(); ++v) {
        const P &a = poly[v], &b = poly[(v + 1) % poly.size()];
        n.x += (a.y - b.y) * (a.z + b.z);
        n.y += (a.z - b.z) * (a.x + b.x);
        n.z += (a.x - b.x) * (a.y + b.y);
    }
    return n;
}

bool hasArea(const Points &poly)
{
    if (poly.size() < 3)
        return false;
    const P n = newellNormal(poly);
    return dot(n, n) > kLeastArea * kLeastArea;
}

Plane planeOf(const Points &poly)
{
    P n = newellNormal(poly);
    const double length = std::sqrt(dot(n, n));
    n = {n.x / length, n.y / length, n.z / length};
    return {n, dot(n, poly.front())};
}

int slabOf(const std::vector<double> &walls, double value)
{
    return static_cast<int>(std::upper_bound(walls.begin(), walls.end(), value) - walls.begin());
}

// A BSP tree of one cell's polygons, with its segments hung where they lie.
class CellTree
{
public:
    void addPolygon(Piece piece);
    void addSegment(const SegmentPiece &segment);
    void emit(const P &eye, std::vector<OrderedPiece> &out) const;
    void clear() { nodes.clear(); }

private:
    struct Node
    {
        Plane plane;
        std::vector<Piece> polygons;
        std::vector<SegmentPiece> onPlane;
        std::array<std::vector<SegmentPiece>, 2> loose; // behind, in front, where no child is
        std::array<int, 2> child{-1, -1};               // behind, in front
    };
    int newNode(Piece piece)
    {
        Node node;
        node.plane = planeOf(piece.points);
        node.polygons.push_back(std::move(piece));
        nodes.push_back(std::move(node));
        return static_cast<int>(nodes.size()) - 1;
    }
    std::vector<Node> nodes;
};

void CellTree::addPolygon(Piece piece)
{
    if (nodes.empty()) {
        newNode(std::move(piece));
        return;
    }
    std::vector<std::pair<int, Piece>> work;
    work.emplace_back(0, std::move(piece));
    Points back, front;
    while (!work.empty()) {
        const int at = work.back().first;
        Piece p = std::move(work.back().second);
        work.pop_back();
        const Plane plane = nodes[static_cast<std::size_t>(at)].plane;
        bool behind = false, ahead = false;
        for (const P &v : p.points) {
            const double d = plane.at(v);
            behind |= d < -kOnPlane;
            ahead |= d > kOnPlane;
        }
        if (!behind && !ahead) {
            nodes[static_cast<std::size_t>(at)].polygons.push_back(std::move(p));
            continue;
        }
        auto place = [&](int side, Piece part) {
            const int child = nodes[static_cast<std::size_t>(at)].child[static_cast<std::size_t>(side)];
            if (child >= 0) {
                work.emplace_back(child, std::move(part));
            } else {
                const int made = newNode(std::move(part));
                nodes[static_cast<std::size_t>(at)].child[static_cast<std::size_t>(side)] = made;
            }
        };
        if (!(behind && ahead)) {
            place(ahead ? 1 : 0, std::move(p));
            continue;
        }
        cut(p.points, plane, back, front);
        if (hasArea(back))
            place(0, {back, p.source});
        if (hasArea(front))
            place(1, {front, p.source});
    }
}

void CellTree::addSegment(const SegmentPiece &segment)
{
    // Only called once the cell has a polygon: lone segments need no tree.
    std::vector<std::pair<int, SegmentPiece>> work{{0, segment}};
    while (!work.empty()) {
        const int at = work.back().first;
        const SegmentPiece s = work.back().second;
        work.pop_back();
        Node &node = nodes[static_cast<std::size_t>(at)];
        const double da = node.plane.at(s.a), db = node.plane.at(s.b);
        const bool onA = std::abs(da) <= kOnPlane, onB = std::abs(db) <= kOnPlane;
        auto place = [&](int side, const SegmentPiece &part) {
            const int child = node.child[static_cast<std::size_t>(side)];
            if (child >= 0)
                work.emplace_back(child, part);
            else
                node.loose[static_cast<std::size_t>(side)].push_back(part);
        };
        if (onA && onB) {
            node.onPlane.push_back(s);
        } else if ((da < -kOnPlane && db > kOnPlane) || (da > kOnPlane && db < -kOnPlane)) {
            const double f = da / (da - db);
            const P m = lerp(s.a, s.b, f);
            const double tm = s.t0 + (s.t1 - s.t0) * f;
            place(da < 0 ? 0 : 1, {s.a, m, s.t0, tm, s.source});
            place(db < 0 ? 0 : 1, {m, s.b, tm, s.t1, s.source});
        } else {
            place((onA ? db : da) < 0 ? 0 : 1, s);
        }
    }
}

// Where, seen from the eye, b crosses a inside both: at a's parameter s
// and b's parameter t, and which of them is behind there (+1 b, -1 a, 0
// neither: lines that meet are one depth where they meet).
struct SeenCrossing
{
    int behind = 0;
    double s = 0, t = 0;
};

SeenCrossing seenCrossing(const SegmentPiece &a, const SegmentPiece &b, const P &eye)
{
    constexpr double kInside = 1e-6, kSameDistance = 1e-6;
    const P along = a.b - a.a, other = b.b - b.a;
    const P normal = cross(a.a - eye, along); // of the plane through the eye and a
    const double across = dot(normal, other);
    if (std::abs(across) < kLeastArea)
        return {};
    const double t = dot(normal, a.a - b.a) / across;
    if (t <= kInside || t >= 1 - kInside)
        return {};
    const P onB = lerp(b.a, b.b, t) - eye;
    // The point of a on the same ray from the eye: onB x (a.a - eye + s along) = 0.
    const double denominator = dot(cross(onB, along), normal);
    if (std::abs(denominator) < kLeastArea)
        return {};
    const double s = -dot(cross(onB, a.a - eye), normal) / denominator;
    if (s <= kInside || s >= 1 - kInside)
        return {};
    const P onA = lerp(a.a, a.b, s) - eye;
    if (dot(onA, onB) <= 0)
        return {};
    const double difference = std::sqrt(dot(onB, onB)) - std::sqrt(dot(onA, onA));
    if (std::abs(difference) < kSameDistance)
        return {};
    return {difference > 0 ? 1 : -1, s, t};
}

SegmentPiece part(const SegmentPiece &s, double from, double to)
{
    return {lerp(s.a, s.b, from), lerp(s.a, s.b, to), s.t0 + (s.t1 - s.t0) * from, s.t0 + (s.t1 - s.t0) * to, s.source};
}

void emitSegments(std::vector<SegmentPiece> segments, const P &eye, std::vector<OrderedPiece> &out, bool splitCycles = true)
{
    // The farther goes first. Of lines that coincide, the one given first
    // goes last: a depth test lets the first drawn keep its pixels.
    auto distance = [&eye](const SegmentPiece &s) {
        const P m = lerp(s.a, s.b, 0.5) - eye;
        return dot(m, m);
    };
    std::sort(segments.begin(), segments.end(), [&](const SegmentPiece &a, const SegmentPiece &b) {
        const double da = distance(a), db = distance(b);
        return da != db ? da > db : a.source > b.source;
    });
    // Lines that cross as seen are ordered by their depth where they cross,
    // not by their middles: a long line can be far in the middle and near
    // where a short one crosses it. The rest keep the order above.
    const std::size_t n = segments.size();
    std::vector<std::vector<std::size_t>> after(n);
    std::vector<std::vector<double>> crossedAt(n);
    std::vector<int> waiting(n, 0);
    for (std::size_t i = 0; i < n; ++i)
        for (std::size_t j = i + 1; j < n; ++j) {
            const SeenCrossing seen = seenCrossing(segments[i], segments[j], eye);
            if (seen.behind == 0)
                continue;
            const std::size_t first = seen.behind > 0 ? j : i, last = seen.behind > 0 ? i : j;
            after[first].push_back(last);
            ++waiting[last];
            crossedAt[i].push_back(seen.s);
            crossedAt[j].push_back(seen.t);
        }
    std::vector<bool> done(n, false);
    for (std::size_t emitted = 0; emitted < n; ++emitted) {
        std::size_t next = 0;
        while (next < n && (done[next] || waiting[next] > 0))
            ++next;
        if (next == n) {
            // Lines woven like a basket (two wires through a box between its
            // edges) have no order. Cut each line left between its crossings,
            // so that no piece crosses more than one other: then they do.
            std::vector<SegmentPiece> pieces;
            for (std::size_t k = 0; k < n; ++k) {
                if (done[k])
                    continue;
                std::vector<double> at = crossedAt[k];
                std::sort(at.begin(), at.end());
                double from = 0;
                for (std::size_t c = 0; splitCycles && c + 1 < at.size(); ++c) {
                    const double cutAt = (at[c] + at[c + 1]) / 2;
                    pieces.push_back(part(segments[k], from, cutAt));
                    from = cutAt;
                }
                pieces.push_back(part(segments[k], from, 1));
            }
            if (splitCycles) {
                emitSegments(std::move(pieces), eye, out, false);
                return;
            }
            // Never met; should it be, the earliest left breaks the cycle.
            next = 0;
            while (done[next])
                ++next;
        }
        done[next] = true;
        for (const std::size_t later : after[next])
            --waiting[later];
        const SegmentPiece &s = segments[next];
        out.push_back({OrderedPiece::Segment, s.source, {toVec(s.a), toVec(s.b)}, s.t0, s.t1});
    }
}

void CellTree::emit(const P &eye, std::vector<OrderedPiece> &out) const
{
    // Iterative in-order walk: the far side, the node, the near side.
    struct Visit
    {
        int node;
        int stage; // 0 far side, 1 node and near side
    };
    if (nodes.empty())
        return;
    std::vector<Visit> stack{{0, 0}};
    while (!stack.empty()) {
        Visit &visit = stack.back();
        const Node &node = nodes[static_cast<std::size_t>(visit.node)];
        const int near = node.plane.at(eye) >= 0 ? 1 : 0, far = 1 - near;
        if (visit.stage == 0) {
            visit.stage = 1;
            emitSegments(node.loose[static_cast<std::size_t>(far)], eye, out);
            const int child = node.child[static_cast<std::size_t>(far)];
            if (child >= 0)
                stack.push_back({child, 0});
            continue;
        }
        stack.pop_back();
        for (const Piece &p : node.polygons) {
            OrderedPiece piece{OrderedPiece::Polygon, p.source, {}, 0, 1};
            piece.points.reserve(p.points.size());
            for (const P &v : p.points)
                piece.points.push_back(toVec(v));
            out.push_back(std::move(piece));
        }
        emitSegments(node.onPlane, eye, out);
        emitSegments(node.loose[static_cast<std::size_t>(near)], eye, out);
        const int child = node.child[static_cast<std::size_t>(near)];
        if (child >= 0)
            stack.push_back({child, 0});
    }
}

struct Cell
{
    std::vector<Piece> polygons;
    std::vector<SegmentPiece> segments;
};

// Cuts a convex polygon at the walls along one axis: (slab, piece) pairs.
void cutAlong(Piece piece, int axis, const std::vector<double> &walls, std::vector<std::pair<int, Piece>> &out)
{
    double low = coord(piece.points.front(), axis), high = low;
    for (const P &v : piece.points) {
        low = std::min(low, coord(v, axis));
        high = std::max(high, coord(v, axis));
    }
    Points back, front;
    for (auto wall = std::upper_bound(walls.begin(), walls.end(), low + kOnPlane);
         wall != walls.end() && *wall < high - kOnPlane; ++wall) {
        Plane plane{{axis == 0 ? 1.0 : 0.0, axis == 1 ? 1.0 : 0.0, axis == 2 ? 1.0 : 0.0}, *wall};
        cut(piece.points, plane, back, front);
        if (hasArea(back))
            out.emplace_back(static_cast<int>(wall - walls.begin()), Piece{back, piece.source});
        piece.points = front;
    }
    if (!hasArea(piece.points))
        return;
    P centre{0, 0, 0};
    for (const P &v : piece.points)
        centre = {centre.x + v.x, centre.y + v.y, centre.z + v.z};
    out.emplace_back(slabOf(walls, coord(centre, axis) / static_cast<double>(piece.points.size())),
                     std::move(piece));
}
} // namespace

std::vector<OrderedPiece> depthOrder(const std::vector<OrderPolygon> &polygons,
                                     const std::vector<OrderSegment> &segments, const CellGrid &grid,
                                     const Vec3 &eye)
{
    std::array<int, 3> cells{};
    for (int axis = 0; axis < 3; ++axis)
        cells[static_cast<std::size_t>(axis)] = static_cast<int>(grid.bounds[static_cast<std::size_t>(axis)].size()) + 1;
    const auto &walls = grid.bounds;
    std::vector<Cell> space(static_cast<std::size_t>(cells[0]) * cells[1] * cells[2]);
    auto cellAt = [&](int x, int y, int z) -> Cell & {
        return space[static_cast<std::size_t>((z * cells[1] + y) * cells[0] + x)];
    };

    std::vector<std::pair<int, Piece>> byX, byY, byZ;
    for (const OrderPolygon &polygon : polygons) {
        Piece piece{{}, polygon.source};
        for (const Vec3 &v : polygon.corners)
            piece.points.push_back(toP(v));
        if (!hasArea(piece.points))
            continue;
        byX.clear();
        cutAlong(std::move(piece), 0, walls[0], byX);
        for (auto &[x, inX] : byX) {
            byY.clear();
            cutAlong(std::move(inX), 1, walls[1], byY);
            for (auto &[y, inY] : byY) {
                byZ.clear();
                cutAlong(std::move(inY), 2, walls[2], byZ);
                for (auto &[z, inZ] : byZ)
                    cellAt(x, y, z).polygons.push_back(std::move(inZ));
            }
        }
    }

    std::vector<double> cuts;
    for (const OrderSegment &segment : segments) {
        const P a = toP(segment.from), b = toP(segment.to);
        cuts.assign({0.0, 1.0});
        for (int axis = 0; axis < 3; ++axis) {
            const double ca = coord(a, axis), cb = coord(b, axis);
            if (std::abs(cb - ca) <= kOnPlane)
                continue;
            for (double wall : walls[static_cast<std::size_t>(axis)]) {
                const double t = (wall - ca) / (cb - ca);
                if (t > 0 && t < 1)
                    cuts.push_back(t);
            }
        }
        std::sort(cuts.begin(), cuts.end());
        for (std::size_t c = 0; c + 1 < cuts.size(); ++c) {
            const double t0 = cuts[c], t1 = cuts[c + 1];
            if (t1 - t0 <= 0)
                continue;
            const P mid = lerp(a, b, (t0 + t1) / 2);
            cellAt(slabOf(walls[0], mid.x), slabOf(walls[1], mid.y), slabOf(walls[2], mid.z))
                .segments.push_back({lerp(a, b, t0), lerp(a, b, t1), t0, t1, segment.source});
        }
    }

    // Cells by falling grid distance from the eye's cell.
    const P e = toP(eye);
    const int ex = slabOf(walls[0], e.x), ey = slabOf(walls[1], e.y), ez = slabOf(walls[2], e.z);
    std::vector<std::vector<int>> byDistance(static_cast<std::size_t>(cells[0] + cells[1] + cells[2]));
    for (int z = 0; z < cells[2]; ++z)
        for (int y = 0; y < cells[1]; ++y)
            for (int x = 0; x < cells[0]; ++x) {
                const Cell &cell = cellAt(x, y, z);
                if (cell.polygons.empty() && cell.segments.empty())
                    continue;
                const int distance = std::abs(x - ex) + std::abs(y - ey) + std::abs(z - ez);
                byDistance[static_cast<std::size_t>(distance)].push_back((z * cells[1] + y) * cells[0] + x);
            }

    std::vector<OrderedPiece> out;
    CellTree tree;
    for (auto distance = byDistance.rbegin(); distance != byDistance.rend(); ++distance) {
        for (int index : *distance) {
            Cell &cell = space[static_cast<std::size_t>(index)];
            if (cell.polygons.empty()) {
                emitSegments(std::move(cell.segments), e, out);
                continue;
            }
            tree.clear();
            for (Piece &p : cell.polygons)
                tree.addPolygon(std::move(p));
            for (const SegmentPiece &s : cell.segments)
                tree.addSegment(s);
            tree.emit(e, out);
        }
    }
    return out;
}

} // namespace ts
