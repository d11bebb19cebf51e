#pragma once
// Points and rectangles as Win32 has them: right and bottom are exclusive.
#include <algorithm>

struct TPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const TPoint&, const TPoint&) = default;
};

struct TSize {
    int cx = 0;
    int cy = 0;
    friend bool operator==(const TSize&, const TSize&) = default;
};

struct TRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool IsEmpty() const { return right <= left || bottom <= top; }
    TPoint TopLeft() const { return {left, top}; }
    TPoint BottomRight() const { return {right, bottom}; }
    // Win32's PtInRect: the right and bottom edges lie outside.
    bool Contains(TPoint p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    TRect Offset(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
    TRect Inflate(int dx, int dy) const { return {left - dx, top - dy, right + dx, bottom + dy}; }
    TRect Intersect(const TRect& o) const {
        TRect r{std::max(left, o.left), std::max(top, o.top), std::min(right, o.right),
                std::min(bottom, o.bottom)};
        return r.IsEmpty() ? TRect{} : r;
    }
    TRect Union(const TRect& o) const {
        if (IsEmpty()) return o;
        if (o.IsEmpty()) return *this;
        return {std::min(left, o.left), std::min(top, o.top), std::max(right, o.right),
                std::max(bottom, o.bottom)};
    }
    friend bool operator==(const TRect&, const TRect&) = default;
};

inline TRect Rect(int left, int top, int right, int bottom) { return {left, top, right, bottom}; }
inline TRect Bounds(int left, int top, int width, int height) {
    return {left, top, left + width, top + height};
}
inline TPoint Point(int x, int y) { return {x, y}; }
