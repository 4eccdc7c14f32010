#include "app/window_layout.h"

GraphLayout graphLayoutFor(int screenWidth) {
    if (screenWidth >= 1280) return {1280, 850, 800, 5};
    if (screenWidth >= 1024) return {1024, 680, 540, 5};
    return {800, 490, 375, 1};
}
