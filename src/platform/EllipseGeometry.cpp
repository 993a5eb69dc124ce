#include "EllipseGeometry.h"

#include <algorithm>
#include <cstdint>
#include <map>

std::vector<QPoint> EllipsePath(int l, int t, int r, int b)
{
    std::vector<QPoint> out;
    const int64_t w = static_cast<int64_t>(r) - l;
    const int64_t h = static_cast<int64_t>(b) - t;
    if (w <= 0 || h <= 0)
        return out;
    // Integer midpoint ellipse (Zingl), walking the lower-right quarter from its
    // rightmost point; every point stands for its four mirror images.
    const int64_t a = w - 1;
    const int64_t bb = h - 1;
    const int64_t o = bb % 2;
    int64_t x = a;
    int64_t y = h / 2;
    int64_t dx = 4 * bb * bb * (1 - a);
    int64_t dy = 4 * a * a * (1 + o);
    int64_t err = dx + dy + a * a * o;
    auto plot4 = [&](int64_t px, int64_t py) {
        const int x1 = static_cast<int>(l + px), x2 = static_cast<int>(l + a - px);
        const int y1 = static_cast<int>(t + py), y2 = static_cast<int>(t + bb - py);
        out.emplace_back(x1, y1);
        out.emplace_back(x2, y1);
        out.emplace_back(x1, y2);
        out.emplace_back(x2, y2);
    };
    while (x >= w / 2) {
        plot4(x, y);
        const int64_t e2 = 2 * err;
        if (e2 >= dx) {
            --x;
            dx += 8 * bb * bb;
            err += dx;
        }
        if (e2 <= dy) {
            ++y;
            dy += 8 * a * a;
            err += dy;
        }
    }
    // A very narrow ellipse can leave its tips unreached: close them at the centre.
    while (y <= bb) {
        plot4(w / 2, y);
        ++y;
    }
    std::sort(out.begin(), out.end(), [](const QPoint& p, const QPoint& q) {
        return p.y() != q.y() ? p.y() < q.y() : p.x() < q.x();
    });
    out.erase(std::unique(out.begin(), out.end()), out.end());
    return out;
}

std::vector<EllipseSpan> EllipseSpans(int l, int t, int r, int b)
{
    std::map<int, std::pair<int, int>> rows;
    for (const QPoint& p : EllipsePath(l, t, r, b)) {
        auto it = rows.find(p.y());
        if (it == rows.end())
            rows.emplace(p.y(), std::make_pair(p.x(), p.x()));
        else {
            it->second.first = std::min(it->second.first, p.x());
            it->second.second = std::max(it->second.second, p.x());
        }
    }
    std::vector<EllipseSpan> spans;
    spans.reserve(rows.size());
    for (const auto& [y, lr] : rows)
        spans.push_back(EllipseSpan{y, lr.first, lr.second});
    return spans;
}
