#pragma once
#include "platform/framework/Font.h"

// The GTK font chooser limited to monospace families and a largest size. Heights are screen
// pixels in the logical font, points in the chooser.
class CWxFontChooser {
public:
    CWxFontChooser() = delete;

    static bool Run(CLogFont& lf, int maxPoints);
    static double PixelsPerPoint();
};
