#pragma once
#include <deque>
#include <string>
#include <vector>

#include "platform/Backend.h"
#include "platform/headless/MemoryClipboard.h"
#include "platform/headless/MemoryProfileStore.h"

// The recording backend: nothing is shown; what a user would have seen is kept for tests to
// read, and message boxes are answered from a script. It makes itself current while it lives.
class CHeadlessBackend : public CBackend {
public:
    struct Message {
        std::string m_strText;
        unsigned m_nType;
    };

    CHeadlessBackend();
    ~CHeadlessBackend() override;

    int MessageBox(const std::string& text, const std::string& caption, unsigned type) override;
    void Beep(unsigned type) override;
    CClipboard& Clipboard() override { return m_clipboard; }
    CProfileStore& Profile() override { return m_profile; }

    // The answer the next message box gives; without one a box gives its first button.
    void QueueAnswer(int answer) { m_answers.push_back(answer); }

    std::vector<Message> m_messages;
    std::vector<unsigned> m_beeps;
    CMemoryClipboard m_clipboard;
    CMemoryProfileStore m_profile;

private:
    std::deque<int> m_answers;
    CBackend* m_pPrevious;
};
