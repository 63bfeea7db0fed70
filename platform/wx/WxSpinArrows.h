#pragma once
#include <functional>
#include <memory>

#include <wx/window.h>

class CWxTimer;

// A narrow up-down control beside an edit box, as GTK's own spin button is too wide for the
// room dialog templates give it: the upper half counts up, the lower half down, repeating
// while the button is held.
class CWxSpinArrows : public wxWindow {
public:
    CWxSpinArrows(wxWindow* parent, wxWindowID id);
    ~CWxSpinArrows() override;

    void SetRange(int low, int high);
    void SetValue(int value);
    int GetValue() const { return m_nValue; }
    // The number lives in another control (the edit box before it): read before each step,
    // written after.
    void SetBuddy(std::function<int()> read, std::function<void(int)> write);
    // Moves the value by step within the range; returns whether it changed.
    bool Step(int step);

private:
    void OnPaint(wxPaintEvent& event);
    void OnMouse(wxMouseEvent& event);
    void Repeat();

    int m_nLow = 0, m_nHigh = 100, m_nValue = 0;
    int m_nHeld = 0; // +1 or -1 while a half is held down
    std::function<int()> m_read;
    std::function<void(int)> m_write;
    std::unique_ptr<CWxTimer> m_pRepeat;
};
