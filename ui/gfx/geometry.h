#pragma once
// Integer geometry shared by the painter, the controls and the window backends. Rectangles are
// half-open: right and bottom lie just outside, as window rectangles are.

#include <algorithm>

namespace ui {

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    int cx = 0;
    int cy = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    static constexpr Rect FromSize(int left, int top, int width, int height)
    {
        return Rect{left, top, left + width, top + height};
    }
    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    constexpr bool IsEmpty() const { return right <= left || bottom <= top; }
    constexpr bool Contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    constexpr Rect Offset(int dx, int dy) const { return Rect{left + dx, top + dy, right + dx, bottom + dy}; }
    constexpr Rect Inflate(int dx, int dy) const { return Rect{left - dx, top - dy, right + dx, bottom + dy}; }
    // An empty result may have right < left; test it with IsEmpty.
    constexpr Rect Intersect(const Rect& o) const
    {
        return Rect{std::max(left, o.left), std::max(top, o.top), std::min(right, o.right), std::min(bottom, o.bottom)};
    }
    // The smallest rectangle holding both; an empty operand is ignored.
    constexpr Rect Union(const Rect& o) const
    {
        if (IsEmpty())
            return o;
        if (o.IsEmpty())
            return *this;
        return Rect{std::min(left, o.left), std::min(top, o.top), std::max(right, o.right), std::max(bottom, o.bottom)};
    }
    friend bool operator==(const Rect&, const Rect&) = default;
};

}  // namespace ui
