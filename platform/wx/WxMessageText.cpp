#include "platform/wx/WxMessageText.h"

#include <wx/string.h>

#include "platform/wx/WxWindowPeer.h"

std::string CWxMessageText::Make(const std::string& text, size_t maxColumns) {
    wxString all = CWxWindowPeer::Utf8(text);
    wxString out;
    size_t start = 0;
    for (;;) {
        size_t end = all.find('\n', start);
        out += WrapLine(all.substr(start, end == wxString::npos ? wxString::npos : end - start),
                        maxColumns);
        if (end == wxString::npos) break;
        out += '\n';
        start = end + 1;
    }
    return std::string(out.utf8_str());
}

wxString CWxMessageText::WrapLine(const wxString& line, size_t maxColumns) {
    wxString out;
    wxString current;
    size_t columns = 0;
    size_t lastBreak = 0; // characters of current up to its last break opportunity
    for (size_t i = 0; i < line.length(); ++i) {
        wxUniChar c = line[i];
        size_t width = Columns(c);
        if (columns + width > maxColumns && !current.empty()) {
            size_t cut = lastBreak > 0 ? lastBreak : current.length();
            out += current.substr(0, cut) + '\n';
            current.erase(0, cut);
            columns = 0;
            for (wxUniChar k : current)
                columns += Columns(k);
            lastBreak = 0;
        }
        current += c;
        columns += width;
        if (i + 1 < line.length() && BreakAfter(c, line[i + 1])) lastBreak = current.length();
    }
    return out + current;
}

size_t CWxMessageText::Columns(wxUniChar c) {
    wxUint32 u = c.GetValue();
    if (u >= 0xFF61 && u <= 0xFF9F) return 1; // half-width katakana
    bool wide = (u >= 0x1100 && u <= 0x115F) || (u >= 0x2E80 && u <= 0xA4CF) ||
                (u >= 0xAC00 && u <= 0xD7A3) || (u >= 0xF900 && u <= 0xFAFF) ||
                (u >= 0xFE30 && u <= 0xFE4F) || (u >= 0xFF00 && u <= 0xFF60) ||
                (u >= 0xFFE0 && u <= 0xFFE6) || u >= 0x20000;
    return wide ? 2 : 1;
}

bool CWxMessageText::BreakAfter(wxUniChar c, wxUniChar next) {
    // Japanese text may break between any two full-width characters.
    return c == '/' || c == ' ' || (Columns(c) == 2 && Columns(next) == 2);
}
