#include <gtest/gtest.h>
#include <random>

#include "platform/headless/HeadlessBackend.h"
#include "tests/TestSupport.h"

namespace {
class SearchTest : public ::testing::Test {
protected:
    int Find(const std::string& pattern, bool first, bool forward = true, bool cs = true,
             bool inRange = false) {
        return m_data.Find(forward, static_cast<int>(pattern.size()),
                           reinterpret_cast<const uint8_t*>(pattern.data()), first, cs, inRange);
    }
    // Every match of a sequence of searches, until it reports none.
    std::vector<int> Sequence(const std::string& pattern, bool forward = true, bool inRange = false,
                              bool cs = true) {
        std::vector<int> found;
        for (int p = Find(pattern, true, forward, cs, inRange); p >= 0;
             p = Find(pattern, false, forward, cs, inRange)) {
            found.push_back(p);
            if (found.size() > 100) break; // a sequence that does not end
        }
        return found;
    }
    int ReplaceAll(const std::string& pattern, const std::string& with, bool inRange = false) {
        return m_data.ReplaceAll(static_cast<int>(pattern.size()),
                                 reinterpret_cast<const uint8_t*>(pattern.data()),
                                 static_cast<int>(with.size()),
                                 reinterpret_cast<const uint8_t*>(with.data()), true, inRange);
    }
    void SetText(const std::string& text, int caret = 0) {
        Fill(m_data, Str(text));
        m_data.m_nCaret = caret;
        m_data.m_bSelection = false;
    }
    void Register(int first, int last) {
        m_data.m_bRegistered = true;
        m_data.m_nRegStart = first;
        m_data.m_nRegEnd = last;
    }

    CHeadlessBackend m_backend;
    CBinData m_data;
};
} // namespace

TEST_F(SearchTest, MatchSelectsAndPutsCaretBehind) {
    SetText("..abc..abc");
    EXPECT_EQ(Find("abc", true), 2);
    EXPECT_TRUE(m_data.m_bSelection);
    EXPECT_EQ(m_data.m_nSelStart, 2);
    EXPECT_EQ(m_data.m_nSelEnd, 4);
    EXPECT_EQ(m_data.m_nCaret, 5);
}

TEST_F(SearchTest, OverlappingMatchesAreAllFoundAndTheSequenceEnds) {
    SetText("AAAA");
    EXPECT_EQ(Sequence("AA"), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(Find("AA", false), -1);
}

TEST_F(SearchTest, ForwardSequenceWrapsAndEndsWhereItBegan) {
    SetText("AxAxA", 1);
    EXPECT_EQ(Sequence("A"), (std::vector<int>{2, 4, 0}));
    SetText("AAAA", 2);
    EXPECT_EQ(Sequence("AA"), (std::vector<int>{1, 2, 0}));
}

TEST_F(SearchTest, BackwardSequenceWrapsAndEndsWhereItBegan) {
    SetText("AxAxA", 3);
    EXPECT_EQ(Sequence("A", false), (std::vector<int>{2, 0, 4}));
    SetText("AAAA", 4);
    EXPECT_EQ(Sequence("AA", false), (std::vector<int>{2, 1, 0}));
    SetText("AAAA", 2);
    EXPECT_EQ(Sequence("AA", false), (std::vector<int>{0, 2, 1}));
}

TEST_F(SearchTest, EverySequenceFindsEachMatchOnce) {
    // From every caret, in both directions, with and without a selected match.
    const std::string text = "abaababaabaaab";
    Fill(m_data, Str(text));
    for (const std::string pattern : {"a", "ab", "aba", "baa"}) {
        std::vector<int> all;
        for (size_t p = text.find(pattern); p != std::string::npos; p = text.find(pattern, p + 1))
            all.push_back(static_cast<int>(p));
        for (bool forward : {true, false})
            for (int caret = 0; caret <= static_cast<int>(text.size()); ++caret) {
                m_data.m_nCaret = caret;
                m_data.m_bSelection = false;
                std::vector<int> found = Sequence(pattern, forward);
                std::sort(found.begin(), found.end());
                EXPECT_EQ(found, all)
                    << pattern << (forward ? " forward" : " backward") << " from " << caret;
            }
    }
}

TEST_F(SearchTest, SelectedMatchUnderCaretIsSkipped) {
    SetText("xabxabxab");
    m_data.SetSelection(1, 2);
    m_data.m_nCaret = 2; // on the selection's last byte
    EXPECT_EQ(Find("ab", true), 4);
    m_data.SetSelection(4, 5);
    m_data.m_nCaret = 6;
    EXPECT_EQ(Find("ab", true, false), 1);
}

TEST_F(SearchTest, CaseFoldingCoversAsciiLettersOnly) {
    SetText("xxABCxxaBcxx\x82\x81\x82\x82\x82\x83");
    EXPECT_EQ(Sequence("abc", true, false, false), (std::vector<int>{2, 7}));
    EXPECT_EQ(Sequence("abc", true, false, true), (std::vector<int>{}));
    // Full-width letters are double-byte and never fold to ASCII.
    EXPECT_EQ(Find("\x82\x60\x82\x61\x82\x62", true, true, false), -1);
}

TEST_F(SearchTest, RangeSearchStartsAtTheRangeEndsFromOutside) {
    SetText("ab..ab..ab..ab");
    Register(3, 10);
    m_data.m_nCaret = 0;
    EXPECT_EQ(Find("ab", true, true, true, true), 4);
    m_data.m_nCaret = 13;
    m_data.m_bSelection = false;
    EXPECT_EQ(Find("ab", true, false, true, true), 8); // nearest the range's end first
    EXPECT_EQ(Find("ab", false, false, true, true), 4);
    EXPECT_EQ(Find("ab", false, false, true, true), -1);
}

TEST_F(SearchTest, PatternLongerThanTheRangeMovesOnlyTheCaret) {
    SetText("abcdefgh");
    Register(2, 4);
    m_data.m_nCaret = 7;
    EXPECT_EQ(Find("cdef", true, true, true, true), -1);
    EXPECT_EQ(m_data.m_nCaret, 2);
    EXPECT_FALSE(m_data.m_bSelection);
}

TEST_F(SearchTest, RangePastTheDataAndStaleAnchorsStayInside) {
    SetText("..ab");
    Register(1, 50);
    m_data.m_nCaret = 0;
    EXPECT_EQ(Sequence("ab", true, true), (std::vector<int>{2}));
    // An anchor left far beyond the data by another document.
    CBinData::s_nSearchAnchor = 1000000;
    SetText("..ab", 1);
    EXPECT_EQ(Find("ab", false), 2);
    EXPECT_EQ(Find("ab", false), -1);
    EXPECT_EQ(Find("ab", false, false), -1);
    EXPECT_EQ(m_data.m_nCaret, 4);
}

TEST_F(SearchTest, EmptyDataNeverMovesTheCaretOutside) {
    EXPECT_EQ(Find("a", true, false), -1);
    EXPECT_EQ(m_data.m_nCaret, 0);
    Register(5, 9);
    EXPECT_EQ(Find("a", true, false, true, true), -1);
    EXPECT_EQ(m_data.m_nCaret, 0);
}

TEST_F(SearchTest, ReplaceAllRemovesMatchesFormedByEarlierRemovals) {
    SetText("aabb");
    EXPECT_EQ(ReplaceAll("ab", ""), 2);
    EXPECT_EQ(m_data.GetDataLength(), 0);
    m_data.ApplyUndoStep(true);
    EXPECT_EQ(Content(m_data), Str("aabb"));
}

TEST_F(SearchTest, ReplaceAllEndsWhenTheReplacementContainsThePattern) {
    SetText("xaxa");
    EXPECT_EQ(ReplaceAll("a", "aa"), 2);
    EXPECT_EQ(Content(m_data), Str("xaaxaa"));
    SetText("aaa");
    m_data.m_undo.RemoveAll();
    m_data.m_nCaret = 1;
    EXPECT_EQ(ReplaceAll("a", "aa"), 3); // wraps to the first byte and stops there
    EXPECT_EQ(Content(m_data), Str("aaaaaa"));
    m_data.ApplyUndoStep(true);
    EXPECT_EQ(Content(m_data), Str("aaa"));
}

TEST_F(SearchTest, ReplaceAllFromTheMiddleWrapsOnce) {
    SetText("ab-ab-ab-ab", 5);
    EXPECT_EQ(ReplaceAll("ab", "XYZab"), 4);
    EXPECT_EQ(Content(m_data), Str("XYZab-XYZab-XYZab-XYZab"));
    EXPECT_EQ(ReplaceAll("nothing", "x"), -1);
}

TEST_F(SearchTest, ReplaceAllInRangeLeavesTheRestAlone) {
    SetText("abababab");
    Register(2, 5);
    EXPECT_EQ(ReplaceAll("ab", "c", true), 2);
    EXPECT_EQ(Content(m_data), Str("abccab"));
}

TEST_F(SearchTest, OffMemorySearchCrossesWindows) {
    TempDir dir;
    Bytes bytes(3 << 20, '.');
    const std::string needle = "NEEDLE";
    for (size_t at : {size_t(10), size_t(1048570), size_t(2097150), bytes.size() - 6})
        std::copy(needle.begin(), needle.end(), bytes.begin() + static_cast<long>(at));
    CBinData data(1);
    ASSERT_EQ(data.LoadFile(dir.Write("big.bin", bytes), nullptr), 0);
    ASSERT_TRUE(data.m_bOffMemory);
    auto find = [&](bool first, bool forward) {
        return data.Find(forward, 6, reinterpret_cast<const uint8_t*>(needle.data()), first, false,
                         false);
    };
    std::vector<int> found;
    for (int p = find(true, true); p >= 0 && found.size() < 10; p = find(false, true))
        found.push_back(p);
    EXPECT_EQ(found, (std::vector<int>{10, 1048570, 2097150, (3 << 20) - 6}));
    data.m_nCaret = 3 << 20;
    data.m_bSelection = false;
    found.clear();
    for (int p = find(true, false); p >= 0 && found.size() < 10; p = find(false, false))
        found.push_back(p);
    EXPECT_EQ(found, (std::vector<int>{(3 << 20) - 6, 2097150, 1048570, 10}));
}

TEST_F(SearchTest, CaseInsensitiveSearchAgreesWithANaiveScan) {
    // Letters-only patterns and patterns with other bytes take different paths.
    std::mt19937 rng(3);
    const std::string alphabet = "aAbB-\x82@[`{";
    for (int round = 0; round < 300; ++round) {
        std::string text(static_cast<size_t>(rng() % 90), ' ');
        for (char& c : text)
            c = alphabet[rng() % alphabet.size()];
        std::string pattern(1 + rng() % 4, ' ');
        for (char& c : pattern)
            c = alphabet[rng() % alphabet.size()];
        auto fold = [](char c) {
            unsigned char b = static_cast<unsigned char>(c);
            return b >= 0x61 && b <= 0x7A ? b - 0x20 : b;
        };
        int expected = -1;
        for (size_t p = 0; p + pattern.size() <= text.size() && expected < 0; ++p) {
            size_t i = 0;
            while (i < pattern.size() && fold(text[p + i]) == fold(pattern[i]))
                ++i;
            if (i == pattern.size()) expected = static_cast<int>(p);
        }
        SetText(text);
        EXPECT_EQ(Find(pattern, true, true, false), expected) << text << " / " << pattern;
    }
}

TEST_F(SearchTest, ContinuedSearchAfterRemovingTheMatchFindsTheNextOne) {
    SetText("abab");
    EXPECT_EQ(Find("ab", true), 0);
    m_data.ReplaceSelection(0, nullptr); // the Replace button with nothing
    EXPECT_EQ(Content(m_data), Str("ab"));
    EXPECT_EQ(m_data.m_nCaret, 0);
    EXPECT_EQ(Find("ab", false), 0);
    m_data.ReplaceSelection(0, nullptr);
    EXPECT_EQ(Find("ab", false), -1);
    EXPECT_TRUE(m_data.GetDataLength() == 0);
}

TEST_F(SearchTest, ReplacingEachMatchByNothingFromTheMiddleRemovesThemAll) {
    SetText("abxabxab", 3);
    std::vector<int> found;
    for (int p = Find("ab", true); p >= 0 && found.size() < 10; p = Find("ab", false)) {
        found.push_back(p);
        m_data.ReplaceSelection(0, nullptr);
    }
    EXPECT_EQ(found, (std::vector<int>{3, 4, 0}));
    EXPECT_EQ(Content(m_data), Str("xx"));
}
