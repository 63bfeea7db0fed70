#pragma once
#include "platform/framework/PropertySheet.h"
#include "shell/AppSettings.h"

class COptionPageDisplay;
class COptionPageEdit;

// The options sheet "基本設定": eight of the settings on two pages, copied in before the run and
// back out by OK and Apply; Cancel leaves them as they were at the opening or the last Apply.
class COptionBase : public CPropertySheet {
public:
    explicit COptionBase(AppSettings& settings);

    int DoModal() override;

protected:
    void OnApply() override;

private:
    static void CopyIn(COptionPageEdit& edit, COptionPageDisplay& display,
                       const AppSettings& settings);
    void CopyOut(const COptionPageEdit& edit, const COptionPageDisplay& display);

    AppSettings& m_settings;
    // What Cancel goes back to.
    AppSettings m_kept;
    COptionPageEdit* m_pEdit = nullptr;
    COptionPageDisplay* m_pDisplay = nullptr;
};
