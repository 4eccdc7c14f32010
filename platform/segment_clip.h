#pragma once
// Liang-Barsky: keeps the part of the segment from a to b that lies inside the
// box [lowX, highX] x [lowY, highY], moving its ends along the segment itself.

#include <algorithm>

template <typename Real>
struct ClipPoint {
    Real x, y;
};

template <typename Real>
bool clipSegment(ClipPoint<Real>& a, ClipPoint<Real>& b, ClipPoint<Real> low, ClipPoint<Real> high) {
    const Real dx = b.x - a.x, dy = b.y - a.y;
    Real enter = 0, leave = 1;
    const Real p[4] = {-dx, dx, -dy, dy};
    const Real q[4] = {a.x - low.x, high.x - a.x, a.y - low.y, high.y - a.y};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const Real t = q[i] / p[i];
        if (p[i] < 0) enter = std::max(enter, t);
        else leave = std::min(leave, t);
        if (enter > leave) return false;
    }
    const ClipPoint<Real> start = a;
    a = {start.x + dx * enter, start.y + dy * enter};
    b = {start.x + dx * leave, start.y + dy * leave};
    return true;
}
