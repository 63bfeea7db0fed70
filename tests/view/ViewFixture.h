#pragma once
// The hex view and its commands without the shell, with documents opened from files written
// in a temporary folder.
#include <gtest/gtest.h>

#include <string>

#include "platform/base/Afx.h"
#include "platform/base/VirtualKeys.h"
#include "tests/TestSupport.h"
#include "tests/view/HexViewProgram.h"

class ViewFixture : public ::testing::Test, protected HexViewProgram {
protected:
    // Opens the bytes as a file (or a new document for "new") with a window of rows x 80
    // columns; the view has the keyboard.
    CKolvaView* Open(const Bytes& bytes, int rows = 30, const std::string& name = "f.bin") {
        CKolvaView* view = OpenPath(name == "new" ? "" : m_dir.Write(name, bytes), rows);
        if (view) view->SetFocus();
        return view;
    }
    CBinData& Data(CKolvaView* view) { return *view->GetData(); }
    void Type(const std::string& text) {
        for (char c : text)
            m_backend.TypeChar(static_cast<unsigned char>(c));
    }
    bool Enabled(UINT id) { return m_frame->QueryCommand(id).m_bEnabled; }
    size_t Beeps() const { return m_backend.m_beeps.size(); }

    TempDir m_dir;
};

inline Bytes Sequence(size_t n) {
    Bytes b(n);
    for (size_t i = 0; i < n; ++i)
        b[i] = static_cast<uint8_t>(i);
    return b;
}
