#pragma once
// The window layout was designed for screens 800, 1024 and 1280 pixels wide.
// Other screens get the layout of the largest of these that fits (800 when
// the screen is narrower still), so that no window is piled on another.

struct GraphLayout {
    int designWidth;  // 800, 1024 or 1280
    int width;        // outer size of the graph window
    int height;
    int gap;          // between the graph and the column of tool windows
};

inline constexpr int GraphTop = 20;

GraphLayout graphLayoutFor(int screenWidth);
