// Cut, copy and paste between documents through the private format, the text forms, and what
// each mode allows.
#include "engine/QXClipboard.h"
#include "tests/view/ViewFixture.h"

namespace {
class ClipboardCommandsTest : public ViewFixture {
protected:
    bool Send(UINT id) { return m_frame->SendCommand(id); }
    // What another program would find on the clipboard in the private format.
    Bytes Private() {
        Bytes bytes;
        return GetQXClipboard(bytes) ? Bytes{0xEE, 0xEE} : bytes;
    }
    Bytes Text() {
        Bytes block;
        m_backend.m_clipboard.GetData(CF_TEXT, block);
        return block;
    }
    void PutPrivate(const Bytes& bytes) {
        PutQXClipboard(static_cast<int>(bytes.size()), bytes.data());
    }
    bool Modified(CKolvaView* view) { return view->GetDocument()->IsModified(); }
};
} // namespace

TEST_F(ClipboardCommandsTest, CopyInOneDocumentPastesInAnother) {
    CKolvaView* source = Open(Str("ABCDEFGHIJ"), 30, "a.bin");
    Data(source).SetSelection(2, 4);
    ASSERT_TRUE(Send(ID_EDIT_COPY));
    EXPECT_EQ(Private(), Str("CDE"));
    EXPECT_FALSE(Modified(source));

    CKolvaView* target = Open(Sequence(20), 30, "b.bin");
    Activate(target);
    Data(target).m_nCaret = 10;
    Data(target).SetSelection(0, 1);
    ASSERT_TRUE(Send(ID_EDIT_PASTE));
    Bytes expected = Sequence(20);
    expected.insert(expected.begin() + 10, {'C', 'D', 'E'});
    EXPECT_EQ(Content(Data(target)), expected);
    EXPECT_EQ(Data(target).m_nCaret, 13);
    EXPECT_TRUE(Data(target).m_bSelection); // paste does not replace the selection
    EXPECT_TRUE(Modified(target));
    EXPECT_EQ(Data(target).m_undo.GetCount(), 1);

    ASSERT_TRUE(Send(ID_EDIT_UNDO));
    EXPECT_EQ(Content(Data(target)), Sequence(20));
    EXPECT_FALSE(Modified(target));
    EXPECT_EQ(Content(Data(source)), Str("ABCDEFGHIJ"));
}

TEST_F(ClipboardCommandsTest, PasteIntoManyRowsGrowsTheViewAndShowsTheCaret) {
    CKolvaView* view = Open(Sequence(16), 10);
    PutPrivate(Bytes(40 * 16, 0x55));
    Data(view).m_nCaret = 16;
    ASSERT_TRUE(Send(ID_EDIT_PASTE));
    EXPECT_EQ(view->m_nTotalRows, 42);
    EXPECT_EQ(Data(view).m_nCaret, 41 * 16);
    EXPECT_TRUE(view->IsCaretRowVisible());
}

TEST_F(ClipboardCommandsTest, SizeLimitsOfTheThreeCopies) {
    CKolvaView* view = Open(Sequence(70000));
    view->GetDocument()->m_nEditMode = 0; // copying works in VIEW
    Data(view).SetSelection(0, 65535);
    ASSERT_TRUE(Send(ID_EDIT_COPY));
    EXPECT_EQ(Private().size(), 65536u);
    ASSERT_TRUE(Send(ID_EDIT_TEXT_COPY));
    EXPECT_EQ(Text().size(), 65537u);
    ASSERT_EQ(m_backend.m_messages.size(), 1u); // the zeros are no text
    int sets = m_backend.m_clipboard.SetCount();

    Data(view).SetSelection(0, 65536);
    for (UINT id : {ID_EDIT_COPY, ID_EDIT_TEXT_COPY, ID_EDIT_COPY_ESCAPED})
        ASSERT_TRUE(Send(id));
    Data(view).SetSelection(0, 32);
    ASSERT_TRUE(Send(ID_EDIT_COPY_ESCAPED));
    ASSERT_EQ(m_backend.m_messages.size(), 5u);
    EXPECT_EQ(m_backend.m_messages[1].m_strText,
              "クリップボードへコピーするデータがサイズ上限を超えています");
    EXPECT_EQ(m_backend.m_clipboard.SetCount(), sets);

    Data(view).SetSelection(0x1F, 0x1F + 31);
    ASSERT_TRUE(Send(ID_EDIT_COPY_ESCAPED));
    Bytes text = Text();
    std::string escaped(text.begin(), text.end() - 1);
    EXPECT_EQ(escaped, "\\x1F\\x20!\"#$%&'()*+,-./0123456789:;<=>");
    EXPECT_EQ(m_backend.m_messages.size(), 5u);
}

TEST_F(ClipboardCommandsTest, CutCopiesFirstAndDeletesOnlyAVisibleSelection) {
    CKolvaView* view = Open(Sequence(100 * 16), 10);
    Data(view).SetSelection(50 * 16, 50 * 16 + 2);
    ASSERT_TRUE(Send(ID_EDIT_CUT));
    EXPECT_EQ(Beeps(), 1u);
    EXPECT_EQ(Private(), (Bytes{0x20, 0x21, 0x22})); // bytes 800 to 802
    EXPECT_EQ(Data(view).GetDataLength(), 1600);
    EXPECT_FALSE(Modified(view));

    Data(view).SetSelection(4, 6);
    Data(view).m_nCaret = 20;
    ASSERT_TRUE(Send(ID_EDIT_CUT));
    EXPECT_EQ(Private(), (Bytes{4, 5, 6}));
    EXPECT_EQ(Data(view).GetDataLength(), 1597);
    EXPECT_EQ(Data(view).m_nCaret, 17);
    EXPECT_FALSE(Data(view).m_bSelection);
    EXPECT_TRUE(Modified(view));

    // A refused copy deletes nothing either.
    Data(view).InsertAt(0, uint8_t(0), 70000);
    Data(view).SetSelection(0, 65536 + 10);
    ASSERT_TRUE(Send(ID_EDIT_CUT));
    EXPECT_EQ(m_backend.m_messages.size(), 1u);
    EXPECT_EQ(Data(view).GetDataLength(), 1597 + 70000);
}

TEST_F(ClipboardCommandsTest, OverwritePasteMustFitBeforeTheEnd) {
    CKolvaView* view = Open(Sequence(20));
    view->GetDocument()->m_nEditMode = 1;
    PutPrivate({0xA1, 0xA2, 0xA3});
    Data(view).m_nCaret = 18;
    ASSERT_TRUE(Send(ID_EDIT_PASTE_OVERWRITE));
    EXPECT_EQ(Beeps(), 1u);
    ASSERT_EQ(m_backend.m_messages.size(), 1u);
    EXPECT_EQ(m_backend.m_messages[0].m_nType & 0xF0, unsigned(MB_ICONSTOP));
    EXPECT_EQ(Content(Data(view)), Sequence(20));
    EXPECT_FALSE(Modified(view));

    Data(view).m_nCaret = 17;
    ASSERT_TRUE(Send(ID_EDIT_PASTE_OVERWRITE));
    Bytes expected = Sequence(17);
    expected.insert(expected.end(), {0xA1, 0xA2, 0xA3});
    EXPECT_EQ(Content(Data(view)), expected);
    EXPECT_EQ(Data(view).m_nCaret, 17);
    EXPECT_TRUE(Modified(view));
    ASSERT_TRUE(Send(ID_EDIT_UNDO));
    EXPECT_EQ(Content(Data(view)), Sequence(20));
}

TEST_F(ClipboardCommandsTest, EmptyOrBrokenClipboardBeepsAndChangesNothing) {
    CKolvaView* view = Open(Sequence(20));
    ASSERT_TRUE(Send(ID_EDIT_PASTE)); // nothing in the private format yet
    ASSERT_TRUE(Send(ID_EDIT_PASTE_OVERWRITE));
    PutPrivate({});
    ASSERT_TRUE(Send(ID_EDIT_PASTE));
    ASSERT_TRUE(Send(ID_EDIT_PASTE_OVERWRITE));
    // Another program's block claiming more bytes than it holds.
    CClipboardData broken;
    broken.Add(m_backend.m_clipboard.RegisterFormat("QXClipboard"), {9, 0, 0, 0, 1, 2});
    m_backend.m_clipboard.SetData(broken);
    ASSERT_TRUE(Send(ID_EDIT_PASTE));
    EXPECT_EQ(Beeps(), 5u);
    EXPECT_TRUE(m_backend.m_messages.empty());
    EXPECT_EQ(Content(Data(view)), Sequence(20));
    EXPECT_FALSE(Modified(view));
    EXPECT_TRUE(Data(view).m_undo.IsEmpty());
}

TEST_F(ClipboardCommandsTest, WhatEachModeAllows) {
    CKolvaView* view = Open(Sequence(20));
    CKolvaDoc* doc = view->GetDocument();
    const UINT copies[] = {ID_EDIT_COPY, ID_EDIT_COPY_ESCAPED, ID_EDIT_TEXT_COPY};
    for (UINT id : copies)
        EXPECT_FALSE(Enabled(id)) << id; // no selection
    EXPECT_TRUE(Enabled(ID_EDIT_PASTE));
    EXPECT_TRUE(Enabled(ID_EDIT_PASTE_OVERWRITE));

    Data(view).SetSelection(0, 3);
    EXPECT_TRUE(Enabled(ID_EDIT_CUT));
    doc->m_nEditMode = 1;
    EXPECT_FALSE(Enabled(ID_EDIT_CUT));
    EXPECT_FALSE(Enabled(ID_EDIT_PASTE));
    EXPECT_TRUE(Enabled(ID_EDIT_PASTE_OVERWRITE));
    doc->m_nEditMode = 0;
    for (UINT id : copies)
        EXPECT_TRUE(Enabled(id)) << id;
    EXPECT_FALSE(Enabled(ID_EDIT_PASTE_OVERWRITE));
    EXPECT_TRUE(Enabled(ID_EDIT_TEXT_PASTE));
    // The accelerator of a disabled command does nothing at all.
    PutPrivate({1});
    m_backend.PressKey('V', FCONTROL);
    EXPECT_EQ(Data(view).GetDataLength(), 20);
}

TEST_F(ClipboardCommandsTest, TextCopyAndTextPasteRoundTripText) {
    Bytes text = Str("\x82\xA0 ABC \xB1");
    CKolvaView* view = Open(text);
    Data(view).SetSelection(0, static_cast<int>(text.size()) - 1);
    m_backend.PressKey('C', FCONTROL | FALT);
    Data(view).m_bSelection = false;
    Data(view).m_nCaret = 1;
    m_backend.PressKey('V', FCONTROL | FALT);
    Bytes expected = text;
    expected.insert(expected.begin() + 1, text.begin(), text.end());
    EXPECT_EQ(Content(Data(view)), expected);
    EXPECT_EQ(Data(view).m_nCaret, 1 + static_cast<int>(text.size()));
    ASSERT_TRUE(Send(ID_EDIT_UNDO)); // one step
    EXPECT_EQ(Content(Data(view)), text);

    // Overwrite mode replaces under the overwrite-paste rule; VIEW refuses.
    view->GetDocument()->m_nEditMode = 1;
    CClipboardData two;
    two.Add(CF_TEXT, {'x', 'y', 0, 'z'});
    m_backend.m_clipboard.SetData(two);
    Data(view).m_nCaret = 0;
    ASSERT_TRUE(Send(ID_EDIT_TEXT_PASTE));
    EXPECT_EQ(Data(view).GetByte(0), 'x');
    EXPECT_EQ(Data(view).GetByte(1), 'y');
    EXPECT_EQ(Data(view).GetDataLength(), static_cast<int>(text.size()));
    Data(view).m_nCaret = static_cast<int>(text.size()) - 1;
    ASSERT_TRUE(Send(ID_EDIT_TEXT_PASTE));
    EXPECT_EQ(m_backend.m_messages.size(), 1u);
    view->GetDocument()->m_nEditMode = 0;
    ASSERT_TRUE(Send(ID_EDIT_TEXT_PASTE));
    EXPECT_EQ(Beeps(), 2u);
}

TEST_F(ClipboardCommandsTest, TextCopyOfBytesThatAreNoTextPastesThemBackExactly) {
    // A bad trail byte, a character with two codes, a lone lead byte and a zero.
    const Bytes bytes = {0x81, 0x20, 0xED, 0x40, 0x82, 0xA0, 0xFC, 0xFC, 0x41, 0x00, 0x42, 0xA0};
    CKolvaView* view = Open(bytes);
    Data(view).SetSelection(0, static_cast<int>(bytes.size()) - 1);
    ASSERT_TRUE(Send(ID_EDIT_TEXT_COPY));
    ASSERT_EQ(m_backend.m_messages.size(), 1u); // said at copy time
    EXPECT_NE(m_backend.m_messages[0].m_strText.find("テキスト"), std::string::npos);
    EXPECT_EQ(m_backend.m_messages[0].m_nType, MB_ICONEXCLAMATION | MB_OK);
    Bytes text = bytes;
    text.push_back(0);
    EXPECT_EQ(Text(), text); // other programs still get the text

    Data(view).m_bSelection = false;
    Data(view).m_nCaret = static_cast<int>(bytes.size());
    ASSERT_TRUE(Send(ID_EDIT_TEXT_PASTE));
    Bytes twice = bytes;
    twice.insert(twice.end(), bytes.begin(), bytes.end());
    EXPECT_EQ(Content(Data(view)), twice);
}
