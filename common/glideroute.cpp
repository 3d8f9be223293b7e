// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "common/glideroute.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <queue>

namespace brasti {
namespace {

// Where the moving rectangle's top left must not come for one other rod:
// inside these bounds, open on every side, the two overlap.
struct Keep {
    int x0, x1, y0, y1;
};

// Whether the straight way from a to b passes through the open box. The
// bounds are whole twips, so a rod rounded to whole twips on a way that
// misses the box misses it too.
bool crosses(const Keep& k, QPoint a, QPoint b)
{
    double lo = 0;
    double hi = 1;
    const auto clip = [&](double from, double delta, double low, double high) {
        if (delta == 0)
            return low < from && from < high;
        double t0 = (low - from) / delta;
        double t1 = (high - from) / delta;
        if (t0 > t1)
            std::swap(t0, t1);
        lo = std::max(lo, t0);
        hi = std::min(hi, t1);
        return lo < hi;
    };
    return clip(a.x(), b.x() - a.x(), k.x0, k.x1) && clip(a.y(), b.y() - a.y(), k.y0, k.y1);
}

bool isFree(const std::vector<Keep>& keeps, QPoint a, QPoint b)
{
    return std::none_of(keeps.begin(), keeps.end(), [&](const Keep& k) { return crosses(k, a, b); });
}

std::vector<int> coordinates(std::vector<int> values, int low, int high)
{
    std::erase_if(values, [&](int v) { return v < low || v > high; });
    std::sort(values.begin(), values.end());
    values.erase(std::unique(values.begin(), values.end()), values.end());
    return values;
}

} // namespace

std::vector<QPoint> glideRoute(const QRect& from, QPoint to, const std::vector<QRect>& others, const QRect& area)
{
    const QPoint start = from.topLeft();
    const int w = from.width();
    const int h = from.height();
    std::vector<Keep> keeps;
    for (const QRect& r : others)
        keeps.push_back({r.x() - w, r.x() + r.width(), r.y() - h, r.y() + r.height()});
    if (isFree(keeps, start, to))
        return {start, to};

    // Along and across the edges of what the others keep free, inside the
    // area: the corners of every shortest way round them lie on these lines.
    const QRect bounds = area.united(from).united(QRect(to, from.size()));
    const int xLow = bounds.x();
    const int xHigh = bounds.x() + bounds.width() - w;
    const int yLow = bounds.y();
    const int yHigh = bounds.y() + bounds.height() - h;
    std::vector<int> xs{start.x(), to.x(), xLow, xHigh};
    std::vector<int> ys{start.y(), to.y(), yLow, yHigh};
    for (const Keep& k : keeps) {
        xs.insert(xs.end(), {k.x0, k.x1});
        ys.insert(ys.end(), {k.y0, k.y1});
    }
    xs = coordinates(std::move(xs), xLow, xHigh);
    ys = coordinates(std::move(ys), yLow, yHigh);
    const auto nx = static_cast<int>(xs.size());
    const auto ny = static_cast<int>(ys.size());
    const auto indexOf = [&](const std::vector<int>& v, int value) {
        return static_cast<int>(std::lower_bound(v.begin(), v.end(), value) - v.begin());
    };
    const int si = indexOf(xs, start.x());
    const int sj = indexOf(ys, start.y());
    const int ti = indexOf(xs, to.x());
    const int tj = indexOf(ys, to.y());

    // Shortest along the lines, each turn costing as much as a unit of way
    // (one rod's thickness), so that the rod does not zigzag; the state is
    // the point and the way it came (4: it has not moved yet).
    constexpr int kWays = 5;
    const double turn = std::min(w, h);
    const auto state = [&](int i, int j, int way) { return (static_cast<std::size_t>(j) * nx + i) * kWays + way; };
    std::vector<double> cost(static_cast<std::size_t>(nx) * ny * kWays, std::numeric_limits<double>::infinity());
    std::vector<std::size_t> cameFrom(cost.size(), std::numeric_limits<std::size_t>::max());
    using Entry = std::pair<double, std::size_t>;
    std::priority_queue<Entry, std::vector<Entry>, std::greater<>> open;
    cost[state(si, sj, 4)] = 0;
    open.emplace(0.0, state(si, sj, 4));
    constexpr int kStepI[] = {1, -1, 0, 0};
    constexpr int kStepJ[] = {0, 0, 1, -1};
    std::size_t reached = std::numeric_limits<std::size_t>::max();
    while (!open.empty()) {
        const auto [c, s] = open.top();
        open.pop();
        if (c > cost[s])
            continue;
        const auto way = static_cast<int>(s % kWays);
        const auto i = static_cast<int>((s / kWays) % nx);
        const auto j = static_cast<int>((s / kWays) / nx);
        if (i == ti && j == tj) {
            reached = s;
            break;
        }
        for (int next = 0; next < 4; ++next) {
            const int ni = i + kStepI[next];
            const int nj = j + kStepJ[next];
            if (ni < 0 || ni >= nx || nj < 0 || nj >= ny)
                continue;
            const QPoint a(xs[i], ys[j]);
            const QPoint b(xs[ni], ys[nj]);
            if (!isFree(keeps, a, b))
                continue;
            const double nc = c + std::abs(b.x() - a.x()) + std::abs(b.y() - a.y()) + (way != 4 && way != next ? turn : 0);
            const std::size_t ns = state(ni, nj, next);
            if (nc < cost[ns]) {
                cost[ns] = nc;
                cameFrom[ns] = s;
                open.emplace(nc, ns);
            }
        }
    }
    if (reached == std::numeric_limits<std::size_t>::max())
        return {};

    std::vector<QPoint> corners;
    for (std::size_t s = reached; s != std::numeric_limits<std::size_t>::max(); s = cameFrom[s]) {
        const auto i = static_cast<int>((s / kWays) % nx);
        const auto j = static_cast<int>((s / kWays) / nx);
        corners.emplace_back(xs[i], ys[j]);
    }
    std::reverse(corners.begin(), corners.end());
    // Straight across wherever nothing lies in between.
    std::vector<QPoint> route{corners.front()};
    for (std::size_t at = 0; at + 1 < corners.size();) {
        std::size_t far = corners.size() - 1;
        while (far > at + 1 && !isFree(keeps, corners[at], corners[far]))
            --far;
        route.push_back(corners[far]);
        at = far;
    }
    return route;
}

} // namespace brasti
