#pragma once
#include <functional>

#include <wx/timer.h>

// A wx timer that calls a function.
class CWxTimer : public wxTimer {
public:
    explicit CWxTimer(std::function<void()> fn) : m_fn(std::move(fn)) {}
    void Notify() override;

private:
    std::function<void()> m_fn;
};
