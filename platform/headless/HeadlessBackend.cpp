#include "platform/headless/HeadlessBackend.h"

#include "platform/Afx.h"

CHeadlessBackend::CHeadlessBackend() : m_pPrevious(CBackend::SetCurrent(this)) {}

CHeadlessBackend::~CHeadlessBackend() {
    CBackend::SetCurrent(m_pPrevious);
}

int CHeadlessBackend::MessageBox(const std::string& text, const std::string&, unsigned type) {
    m_messages.push_back({text, type});
    if (!m_answers.empty()) {
        int answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    }
    switch (type & MB_TYPEMASK) {
    case MB_YESNO:
    case MB_YESNOCANCEL:
        return IDYES;
    default:
        return IDOK;
    }
}

void CHeadlessBackend::Beep(unsigned type) {
    m_beeps.push_back(type);
}
