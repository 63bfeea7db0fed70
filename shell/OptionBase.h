#pragma once
#include "platform/framework/PropertySheet.h"

struct AppSettings;
class COptionPageDisplay;
class COptionPageEdit;

// The options sheet "基本設定": eight of the settings on two pages, copied in before the run and
// back out after it whichever button closed it.
class COptionBase : public CPropertySheet {
public:
    explicit COptionBase(AppSettings& settings);

    int DoModal() override;

protected:
    void OnApply() override;

private:
    void CopyIn(COptionPageEdit& edit, COptionPageDisplay& display) const;
    void CopyOut(const COptionPageEdit& edit, const COptionPageDisplay& display);

    AppSettings& m_settings;
    COptionPageEdit* m_pEdit = nullptr;
    COptionPageDisplay* m_pDisplay = nullptr;
};
