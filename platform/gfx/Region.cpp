#include "platform/gfx/Region.h"

#include <algorithm>
#include <cstddef>

#include "platform/gfx/Raster.h"

namespace gfx {

namespace {

struct Span {
    int x0;
    int x1;
};

// A horizontal band of a region: rows top <= y < bottom, the rectangles [begin, end).
struct Band {
    int top;
    int bottom;
    std::size_t begin;
    std::size_t end;
};

std::vector<Band> BandsOf(const std::vector<TRect>& rects) {
    std::vector<Band> bands;
    for (std::size_t i = 0; i < rects.size();) {
        std::size_t j = i + 1;
        while (j < rects.size() && rects[j].top == rects[i].top) ++j;
        bands.push_back({rects[i].top, rects[i].bottom, i, j});
        i = j;
    }
    return bands;
}

// Appends rows y0 <= y < y1 covered by spans, merging with the band above when it has the
// same spans and touches, so that equal regions always have equal rectangles.
class BandWriter {
public:
    explicit BandWriter(std::vector<TRect>& out) : m_out(out) {}

    void Add(int y0, int y1, const std::vector<Span>& spans) {
        if (spans.empty() || y1 <= y0) return;
        if (m_lastBottom == y0 && m_lastCount == spans.size()) {
            bool same = true;
            for (std::size_t i = 0; i < spans.size() && same; ++i) {
                const TRect& r = m_out[m_lastBegin + i];
                same = r.left == spans[i].x0 && r.right == spans[i].x1;
            }
            if (same) {
                for (std::size_t i = 0; i < spans.size(); ++i) m_out[m_lastBegin + i].bottom = y1;
                m_lastBottom = y1;
                return;
            }
        }
        m_lastBegin = m_out.size();
        m_lastCount = spans.size();
        m_lastBottom = y1;
        for (const Span& s : spans) m_out.push_back({s.x0, y0, s.x1, y1});
    }

private:
    std::vector<TRect>& m_out;
    std::size_t m_lastBegin = 0;
    std::size_t m_lastCount = 0;
    int m_lastBottom = 0;
};

bool Inside(CombineMode mode, bool inA, bool inB) {
    switch (mode) {
        case CombineMode::And:
            return inA && inB;
        case CombineMode::Or:
            return inA || inB;
        case CombineMode::Xor:
            return inA != inB;
        case CombineMode::Diff:
            return inA && !inB;
        case CombineMode::Copy:
            return inA;
    }
    return false;
}

// Combines two sorted lists of disjoint spans by walking their edges left to right.
void CombineSpans(const TRect* a, std::size_t countA, const TRect* b, std::size_t countB,
                  CombineMode mode, std::vector<Span>& out) {
    out.clear();
    std::size_t i = 0;
    std::size_t j = 0;
    bool inA = false;
    bool inB = false;
    int start = 0;
    bool inside = false;
    while (i < 2 * countA || j < 2 * countB) {
        const int xa = i < 2 * countA ? (i % 2 ? a[i / 2].right : a[i / 2].left) : 0;
        const int xb = j < 2 * countB ? (j % 2 ? b[j / 2].right : b[j / 2].left) : 0;
        int x;
        if (j >= 2 * countB || (i < 2 * countA && xa <= xb)) {
            x = xa;
        } else {
            x = xb;
        }
        while (i < 2 * countA && (i % 2 ? a[i / 2].right : a[i / 2].left) == x) {
            inA = !inA;
            ++i;
        }
        while (j < 2 * countB && (j % 2 ? b[j / 2].right : b[j / 2].left) == x) {
            inB = !inB;
            ++j;
        }
        const bool now = Inside(mode, inA, inB);
        if (now && !inside) start = x;
        if (!now && inside && x > start) {
            if (!out.empty() && out.back().x1 == start)
                out.back().x1 = x;
            else
                out.push_back({start, x});
        }
        inside = now;
    }
}

}  // namespace

Region::Region(const TRect& rect) {
    if (!rect.IsEmpty()) m_rects.push_back(rect);
}

Region Region::RoundRect(const TRect& rect, int ellipseWidth, int ellipseHeight) {
    // As Win32's, the region is the filled round rectangle that RoundRect would paint in
    // the same rectangle, less that shape's right column and bottom row.
    TRect box{std::min(rect.left, rect.right), std::min(rect.top, rect.bottom),
              std::max(rect.left, rect.right), std::max(rect.top, rect.bottom)};
    const raster::ShapeRows shape = raster::RoundRectRows(box, ellipseWidth, ellipseHeight);
    std::vector<RowSpan> spans = raster::Spans(shape);
    std::vector<RowSpan> kept;
    kept.reserve(spans.size());
    for (RowSpan s : spans) {
        s.x1 = std::min(s.x1, box.right - 1);
        if (s.y < box.bottom - 1 && s.x1 > s.x0) kept.push_back(s);
    }
    return FromRowSpans(std::move(kept));
}

Region Region::Ellipse(const TRect& rect) {
    return RoundRect(rect, rect.Width(), rect.Height());
}

Region Region::FromRects(const std::vector<TRect>& rects) {
    std::vector<TRect> live;
    std::vector<int> edges;
    for (const TRect& r : rects) {
        if (r.IsEmpty()) continue;
        live.push_back(r);
        edges.push_back(r.top);
        edges.push_back(r.bottom);
    }
    std::sort(edges.begin(), edges.end());
    edges.erase(std::unique(edges.begin(), edges.end()), edges.end());
    std::sort(live.begin(), live.end(),
              [](const TRect& a, const TRect& b) { return a.left < b.left; });

    Region region;
    BandWriter writer(region.m_rects);
    std::vector<Span> spans;
    for (std::size_t e = 0; e + 1 < edges.size(); ++e) {
        const int y0 = edges[e];
        spans.clear();
        for (const TRect& r : live) {
            if (r.top > y0 || r.bottom <= y0) continue;
            if (!spans.empty() && r.left <= spans.back().x1)
                spans.back().x1 = std::max(spans.back().x1, r.right);
            else
                spans.push_back({r.left, r.right});
        }
        writer.Add(y0, edges[e + 1], spans);
    }
    return region;
}

Region Region::FromRowSpans(std::vector<RowSpan> rows) {
    std::erase_if(rows, [](const RowSpan& s) { return s.x1 <= s.x0; });
    std::sort(rows.begin(), rows.end(), [](const RowSpan& a, const RowSpan& b) {
        return a.y != b.y ? a.y < b.y : a.x0 < b.x0;
    });
    Region region;
    BandWriter writer(region.m_rects);
    std::vector<Span> spans;
    for (std::size_t i = 0; i < rows.size();) {
        const int y = rows[i].y;
        spans.clear();
        for (; i < rows.size() && rows[i].y == y; ++i) {
            if (!spans.empty() && rows[i].x0 <= spans.back().x1)
                spans.back().x1 = std::max(spans.back().x1, rows[i].x1);
            else
                spans.push_back({rows[i].x0, rows[i].x1});
        }
        writer.Add(y, y + 1, spans);
    }
    return region;
}

bool Region::Contains(TPoint p) const {
    // Bands run top to bottom, so bottoms never decrease: find the first that ends below p.
    auto it = std::upper_bound(m_rects.begin(), m_rects.end(), p.y,
                               [](int y, const TRect& r) { return y < r.bottom; });
    for (; it != m_rects.end() && it->top <= p.y; ++it) {
        if (it->left > p.x) return false;
        if (p.x < it->right) return true;
    }
    return false;
}

bool Region::Intersects(const TRect& rect) const {
    if (rect.IsEmpty()) return false;
    for (const TRect& r : m_rects) {
        if (r.top >= rect.bottom) break;
        if (!r.Intersect(rect).IsEmpty()) return true;
    }
    return false;
}

TRect Region::BoundingBox() const {
    if (m_rects.empty()) return {};
    TRect box{m_rects.front().left, m_rects.front().top, m_rects.front().right,
              m_rects.back().bottom};
    for (const TRect& r : m_rects) {
        box.left = std::min(box.left, r.left);
        box.right = std::max(box.right, r.right);
    }
    return box;
}

void Region::Offset(int dx, int dy) {
    for (TRect& r : m_rects) r = r.Offset(dx, dy);
}

Region Region::Intersected(const TRect& clip) const {
    // Clipping to one rectangle keeps the bands, cut at the clip's edges; bands that the
    // cut makes equal merge as they are written.
    Region result;
    if (clip.IsEmpty()) return result;
    BandWriter writer(result.m_rects);
    std::vector<Span> spans;
    for (const Band& band : BandsOf(m_rects)) {
        if (band.bottom <= clip.top) continue;
        if (band.top >= clip.bottom) break;
        spans.clear();
        for (std::size_t i = band.begin; i < band.end; ++i) {
            const int x0 = std::max(m_rects[i].left, clip.left);
            const int x1 = std::min(m_rects[i].right, clip.right);
            if (x1 > x0) spans.push_back({x0, x1});
        }
        writer.Add(std::max(band.top, clip.top), std::min(band.bottom, clip.bottom), spans);
    }
    return result;
}

Region Region::Combine(const Region& a, const Region& b, CombineMode mode) {
    if (mode == CombineMode::Copy) return a;
    const std::vector<Band> bandsA = BandsOf(a.m_rects);
    const std::vector<Band> bandsB = BandsOf(b.m_rects);
    std::vector<int> edges;
    edges.reserve(2 * (bandsA.size() + bandsB.size()));
    for (const Band& band : bandsA) {
        edges.push_back(band.top);
        edges.push_back(band.bottom);
    }
    for (const Band& band : bandsB) {
        edges.push_back(band.top);
        edges.push_back(band.bottom);
    }
    std::sort(edges.begin(), edges.end());
    edges.erase(std::unique(edges.begin(), edges.end()), edges.end());

    Region result;
    BandWriter writer(result.m_rects);
    std::vector<Span> spans;
    std::size_t ia = 0;
    std::size_t ib = 0;
    for (std::size_t e = 0; e + 1 < edges.size(); ++e) {
        const int y0 = edges[e];
        while (ia < bandsA.size() && bandsA[ia].bottom <= y0) ++ia;
        while (ib < bandsB.size() && bandsB[ib].bottom <= y0) ++ib;
        const bool hasA = ia < bandsA.size() && bandsA[ia].top <= y0;
        const bool hasB = ib < bandsB.size() && bandsB[ib].top <= y0;
        if (!hasA && !hasB) continue;
        const TRect* rectsA = hasA ? a.m_rects.data() + bandsA[ia].begin : nullptr;
        const TRect* rectsB = hasB ? b.m_rects.data() + bandsB[ib].begin : nullptr;
        CombineSpans(rectsA, hasA ? bandsA[ia].end - bandsA[ia].begin : 0, rectsB,
                     hasB ? bandsB[ib].end - bandsB[ib].begin : 0, mode, spans);
        writer.Add(y0, edges[e + 1], spans);
    }
    return result;
}

}  // namespace gfx
