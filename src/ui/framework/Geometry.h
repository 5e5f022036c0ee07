// SPDX-License-Identifier: MIT
#pragma once

namespace glyphsmith::ui {

// Pixels. Points and rectangles of controls are in their dialog's client area, those of
// a control's own events in the control's.
struct Point {
    int x = 0;
    int y = 0;

    bool operator==(const Point&) const = default;
};

struct Size {
    int width = 0;
    int height = 0;

    bool operator==(const Size&) const = default;
};

struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    bool operator==(const Rect&) const = default;

    int Right() const { return x + width; }
    int Bottom() const { return y + height; }
    bool Contains(Point point) const {
        return point.x >= x && point.x < Right() && point.y >= y && point.y < Bottom();
    }
    bool Contains(const Rect& other) const {
        return other.x >= x && other.y >= y && other.Right() <= Right() &&
               other.Bottom() <= Bottom();
    }
    bool Intersects(const Rect& other) const {
        return other.x < Right() && x < other.Right() && other.y < Bottom() && y < other.Bottom();
    }
};

} // namespace glyphsmith::ui
