#pragma once
#include "platform/framework/Font.h"

// The GTK font chooser limited to monospace families and a largest size. Heights are screen
// pixels in the logical font, points in the chooser.
class CWxFontChooser {
public:
    CWxFontChooser() = delete;

    // 0.01 mm units in a point, for a printer font.
    static constexpr double kHiMetricPerPoint = 2540.0 / 72.0;

    // unitsPerPoint: what a point is in the font's height (0: screen pixels).
    static bool Run(CLogFont& lf, int maxPoints, double unitsPerPoint = 0);
    static double PixelsPerPoint();
};
