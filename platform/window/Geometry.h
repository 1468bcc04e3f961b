#pragma once

#include "platform/window/WindowMessages.h"

struct RECT {
    LONG left = 0;
    LONG top = 0;
    LONG right = 0;
    LONG bottom = 0;
};
using LPRECT = RECT*;

class CPoint : public POINT {
public:
    CPoint() = default;
    CPoint(int px, int py) : POINT{px, py} {}
    bool operator==(const CPoint& other) const { return x == other.x && y == other.y; }
};

struct SIZE {
    LONG cx = 0;
    LONG cy = 0;
};

class CSize : public SIZE {
public:
    CSize() = default;
    CSize(int width, int height) : SIZE{width, height} {}
};

// A rectangle; unlike the platform's, a default one is empty (all zero), never uninitialised.
class CRect : public RECT {
public:
    CRect() = default;
    CRect(int l, int t, int r, int b) : RECT{l, t, r, b} {}
    CRect(const RECT& rect) : RECT(rect) {}  // NOLINT: converts as on the platform

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool IsRectEmpty() const { return right <= left || bottom <= top; }
    bool PtInRect(POINT point) const {
        return point.x >= left && point.x < right && point.y >= top && point.y < bottom;
    }
    CPoint CenterPoint() const { return {(left + right) / 2, (top + bottom) / 2}; }
    void InflateRect(int dx, int dy) {
        left -= dx;
        right += dx;
        top -= dy;
        bottom += dy;
    }
    void OffsetRect(int dx, int dy) {
        left += dx;
        right += dx;
        top += dy;
        bottom += dy;
    }
    bool operator==(const CRect& other) const {
        return left == other.left && top == other.top && right == other.right &&
               bottom == other.bottom;
    }
};
