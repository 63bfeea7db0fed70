#pragma once
#include <string>

// Where exceptions stop: the dispatch of messages and commands. An exception from a handler or
// from painting becomes a message to the user and the program goes on.
class CExceptionBoundary {
public:
    CExceptionBoundary() = delete;

    // Runs f; an exception from it is reported. Returns false when one was.
    template <typename F> static bool Run(F&& f) {
        try {
            f();
            return true;
        } catch (...) {
            Report(DescribeCurrent());
            return false;
        }
    }
    // The text the user is shown for the exception being handled; call only inside a catch.
    static std::string DescribeCurrent();
    // Shows the text through the backend. While one report is on the screen, others are
    // dropped: a window that fails to paint would otherwise stack boxes for ever.
    static void Report(const std::string& text);
};
