// Horizontal bands between the covers' top and bottom edges; in each band the gaps between
// the covers that span it; bands with the same gaps joined again.
#include "platform/uncovered_area.h"

#include <algorithm>
#include <map>
#include <utility>

namespace gnamm::platform {

std::vector<SDL_Rect> UncoveredParts(const SDL_Rect& area, const std::vector<SDL_Rect>& covers) {
    std::vector<SDL_Rect> out;
    if (area.w <= 0 || area.h <= 0) return out;
    std::vector<SDL_Rect> inside;
    std::vector<int> edges{area.y, area.y + area.h};
    for (const SDL_Rect& c : covers) {
        SDL_Rect r;
        if (SDL_IntersectRect(&c, &area, &r) == SDL_TRUE) {
            inside.push_back(r);
            edges.push_back(r.y);
            edges.push_back(r.y + r.h);
        }
    }
    std::sort(edges.begin(), edges.end());
    edges.erase(std::unique(edges.begin(), edges.end()), edges.end());

    // The last rectangle of each column (left edge, width), to grow down into the next band.
    std::map<std::pair<int, int>, std::size_t> open;
    std::vector<std::pair<int, int>> spans;
    for (std::size_t b = 0; b + 1 < edges.size(); ++b) {
        const int top = edges[b], bottom = edges[b + 1];
        spans.clear();
        for (const SDL_Rect& r : inside) {
            if (r.y <= top && r.y + r.h >= bottom) spans.emplace_back(r.x, r.x + r.w);
        }
        std::sort(spans.begin(), spans.end());
        std::map<std::pair<int, int>, std::size_t> next;
        auto gap = [&](int left, int right) {
            const std::pair<int, int> column{left, right - left};
            const auto it = open.find(column);
            if (it != open.end() && out[it->second].y + out[it->second].h == top) {
                out[it->second].h += bottom - top;
                next[column] = it->second;
            } else {
                out.push_back({left, top, right - left, bottom - top});
                next[column] = out.size() - 1;
            }
        };
        int x = area.x;
        for (const auto& [left, right] : spans) {
            if (left > x) gap(x, left);
            x = std::max(x, right);
        }
        if (x < area.x + area.w) gap(x, area.x + area.w);
        open = std::move(next);
    }
    return out;
}

}  // namespace gnamm::platform
