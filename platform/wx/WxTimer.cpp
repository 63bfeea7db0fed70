#include "platform/wx/WxTimer.h"

void CWxTimer::Notify() {
    m_fn();
}
