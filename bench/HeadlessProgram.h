#pragma once
// The program's frame, template and views on the recording backend, without a display, for
// benchmarks that run the view's commands.
#include <cstdint>

#include "bench/BenchSupport.h"
#include "tests/view/HexViewProgram.h"
#include "view/UpdateHint.h"

namespace bench {

class HeadlessProgram : public HexViewProgram {
public:
    // A new document of size random bytes, in insert mode, its window active.
    CKolvaView* NewDocument(int size, uint64_t seed) {
        CKolvaView* view = OpenPath("");
        CBinData* data = view->GetData();
        data->SetSize(size);
        FillRandom(data->GetData(), size_t(size), seed);
        view->GetDocument()->UpdateAllViews(nullptr, UpdateHint::kAfterChange);
        return view;
    }
    bool Send(CKolvaView* view, UINT id) {
        Activate(view);
        return m_frame->SendCommand(id);
    }
};

} // namespace bench
