#include "document/ZoomSteps.h"

#include <algorithm>
#include <array>

namespace {
constexpr std::array<int, 13> kSteps = {50, 67, 75, 80, 90, 100, 110, 125, 150, 175, 200, 250, 300};
} // namespace

int clampZoom(int percent) {
    return std::clamp(percent, kZoomMin, kZoomMax);
}

int stepZoom(int percent, int direction) {
    const int current = clampZoom(percent);
    if (direction > 0) {
        const auto next = std::upper_bound(kSteps.begin(), kSteps.end(), current);
        return next == kSteps.end() ? kZoomMax : *next;
    }
    if (direction < 0) {
        const auto next = std::lower_bound(kSteps.begin(), kSteps.end(), current);
        return next == kSteps.begin() ? kZoomMin : *(next - 1);
    }
    return current;
}
