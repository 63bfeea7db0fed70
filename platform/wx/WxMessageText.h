#pragma once
#include <string>

class wxString;
class wxUniChar;

// The text of a message box as the toolkit is given it: bytes that are not UTF-8 (a path may
// hold any) escaped as \xNN, so that the text is never dropped whole, and lines too wide for a
// box broken, after a path's slashes where possible, so that the file's name and the cause stay
// in view instead of running off the screen.
class CWxMessageText {
public:
    // Half-width columns a line may take: a full-width character takes two.
    static constexpr size_t kMaxColumns = 64;

    // UTF-8 text for the toolkit.
    static std::string Make(const std::string& text, size_t maxColumns = kMaxColumns);

private:
    static wxString WrapLine(const wxString& line, size_t maxColumns);
    static size_t Columns(wxUniChar c);
    // A line may break after c (before next).
    static bool BreakAfter(wxUniChar c, wxUniChar next);
};
