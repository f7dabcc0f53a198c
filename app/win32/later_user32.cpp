#include "app/win32/later_user32.h"

namespace marquill::win32 {

int systemMetricForDpi(int index, int dpi) {
    using GetMetric = int(WINAPI*)(int, UINT);
    const auto getMetric = laterUser32Function<GetMetric>("GetSystemMetricsForDpi");
    return getMetric ? getMetric(index, static_cast<UINT>(dpi)) : GetSystemMetrics(index);
}

RECT frameAround(int width, int height, DWORD style, DWORD exStyle, int dpi) {
    using Adjust = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
    const auto adjust = laterUser32Function<Adjust>("AdjustWindowRectExForDpi");
    RECT frame = {0, 0, width, height};
    if (!adjust || !adjust(&frame, style, FALSE, exStyle, static_cast<UINT>(dpi))) {
        AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    }
    return frame;
}

}  // namespace marquill::win32
