#pragma once
// The whole program on the recording backend, started as a user starts it, with its files in a
// temporary folder.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/KolvaDoc.h"
#include "platform/base/Afx.h"
#include "platform/framework/DocTemplate.h"
#include "platform/headless/HeadlessBackend.h"
#include "res/Resource.h"
#include "shell/ChildFrame.h"
#include "shell/KolvaApp.h"
#include "shell/MainFrame.h"
#include "tests/TestSupport.h"
#include "view/KolvaView.h"

class ShellFixture : public ::testing::Test {
protected:
    // Starts the program with args as its command line.
    void Start(std::vector<std::string> args = {}) {
        m_app.m_argv = std::move(args);
        ASSERT_TRUE(m_app.InitInstance());
    }

    // Starts the program with shortcut editing on and opens the shortcut file name (holding
    // "LINK") through its working copy, as the user's Yes does; null when nothing opened.
    CKolvaDoc* StartWithShortcutCopy(const std::string& name) {
        m_backend.m_profile.WriteInt("Settings", "bEditShortcut", 1);
        std::string lnk = m_dir.Write(name, Str("LINK"));
        Start();
        m_backend.QueueAnswer(IDYES);
        return m_app.OpenDocumentPath(lnk);
    }

    // Starts the program with an on-memory limit of 1 MB and big.bin, a file just above it, on
    // the command line: it opens off-memory. Its path.
    std::string StartWithOffMemoryFile() {
        std::string big = m_dir.Write("big.bin", PositionPattern(kAboveLimit));
        m_backend.m_profile.WriteInt("Settings", "nMaxOnMemoryFileSize", 1);
        Start({big});
        return big;
    }
    static constexpr size_t kAboveLimit = (1 << 20) + 5;

    // Overwrites the first byte with b and marks the document modified, as typing does.
    static void Edit(CKolvaDoc* doc, uint8_t b) {
        doc->m_pData->m_nCaret = 0;
        doc->m_pData->OverwriteAtCaret(b);
        doc->SetModifiedFlag();
    }

    std::vector<CDocument*> Docs() const { return m_app.GetDocTemplate()->GetDocuments(); }
    CKolvaDoc* Doc(size_t i) const { return dynamic_cast<CKolvaDoc*>(Docs().at(i)); }
    CKolvaView* View(size_t i) const { return dynamic_cast<CKolvaView*>(Doc(i)->m_pFirstView); }
    CChildFrame* Frame(size_t i) const {
        return dynamic_cast<CChildFrame*>(View(i)->GetParentFrame());
    }
    CBinData* Data(size_t i) const { return View(i)->GetData(); }
    CKolvaDoc* Active() const {
        return dynamic_cast<CKolvaDoc*>(m_app.MainFrame()->GetActiveDocument());
    }
    // A file of the ten digits in the temporary folder.
    std::string File(const std::string& name) { return m_dir.Write(name, Str("0123456789")); }

    // The labels of the file-name bar's buttons, in order.
    std::vector<std::string> Labels() const {
        std::vector<std::string> out;
        for (const auto& b : m_app.MainFrame()->m_wndFileBar.GetButtons())
            if (b.m_nID) out.push_back(b.m_strLabel);
        return out;
    }
    std::vector<std::string> MessageTexts() const {
        std::vector<std::string> out;
        for (const auto& m : m_backend.m_messages)
            out.push_back(m.m_strText);
        return out;
    }
    std::string LastMessage() const {
        return m_backend.m_messages.empty() ? std::string() : m_backend.m_messages.back().m_strText;
    }

    CHeadlessBackend m_backend;
    TempDir m_dir;
    CKolvaApp m_app;
};
