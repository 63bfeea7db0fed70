#pragma once
#include <string>

#include <wx/font.h>

#include "platform/framework/Font.h"

// Realises the program's logical fonts as wx fonts. "FixedSys", "Terminal" and faces that are
// not installed become the best installed monospace face with Japanese glyphs.
class CWxFontMapper {
public:
    CWxFontMapper() = delete;

    // pixelsPerUnit scales the logical height into device pixels (1 for screen pixels).
    static wxFont Realize(const CLogFont& lf, double pixelsPerUnit = 1.0);
    // The face a logical face name is drawn with.
    static std::string ResolveFace(const std::string& face);
    // The best installed monospace face for Japanese text.
    static const std::string& BestMonospaceFace();

private:
    static wxFont Create(const CLogFont& lf, double pixelsPerUnit);
};
