#include "platform/framework/View.h"

#include "platform/framework/FrameWnd.h"

CFrameWnd* CView::GetParentFrame() const {
    return dynamic_cast<CFrameWnd*>(m_pParent);
}
