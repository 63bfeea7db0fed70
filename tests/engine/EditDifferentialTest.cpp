// A long run of random edits against a plain vector, then all of them undone and redone.
#include <gtest/gtest.h>
#include <random>

#include "platform/headless/HeadlessBackend.h"
#include "tests/TestSupport.h"

namespace {
uint64_t Hash(const Bytes& bytes) {
    uint64_t h = 1469598103934665603ull ^ bytes.size();
    for (uint8_t b : bytes)
        h = (h ^ b) * 1099511628211ull;
    return h;
}

class Differential {
public:
    explicit Differential(uint32_t seed) : m_rng(seed) {
        Bytes start = PositionPattern(200);
        Fill(m_data, start);
        m_ref = start;
        m_states.push_back(Hash(m_ref));
    }

    int Random(int n) { return n <= 0 ? 0 : static_cast<int>(m_rng() % static_cast<unsigned>(n)); }

    Bytes RandomBlock(int n) {
        Bytes block(static_cast<size_t>(n));
        for (auto& b : block)
            b = static_cast<uint8_t>(m_rng());
        return block;
    }

    // One random edit on both sides; false when the edit was not applicable.
    bool Step() {
        int len = static_cast<int>(m_ref.size());
        // Keep the data small so that comparing after every step stays cheap.
        int op = Random(len > 400 ? 4 : 7);
        m_data.m_nCaret = Random(len + 1);
        size_t caret = static_cast<size_t>(m_data.m_nCaret);
        switch (op) {
        case 0: { // delete selection
            if (len == 0) return false;
            int first = Random(len), last = std::min(len - 1, first + Random(40));
            m_data.SetSelection(first, last);
            m_data.DeleteSelection();
            m_ref.erase(m_ref.begin() + first, m_ref.begin() + last + 1);
            return true;
        }
        case 1: // delete at caret
            if (caret >= m_ref.size()) return false;
            m_data.DeleteAtCaret();
            m_ref.erase(m_ref.begin() + static_cast<long>(caret));
            return true;
        case 2: { // overwrite
            if (caret >= m_ref.size()) return false;
            uint8_t b = static_cast<uint8_t>(m_rng());
            m_data.OverwriteAtCaret(b);
            m_ref[caret] = b;
            return true;
        }
        case 3: { // replace selection by up to 20 bytes
            if (len == 0) return false;
            int first = Random(len), last = std::min(len - 1, first + Random(30));
            Bytes block = RandomBlock(Random(21));
            m_data.SetSelection(first, last);
            m_data.ReplaceSelection(static_cast<int>(block.size()), block.data());
            m_ref.erase(m_ref.begin() + first, m_ref.begin() + last + 1);
            m_ref.insert(m_ref.begin() + first, block.begin(), block.end());
            return true;
        }
        case 4: { // insert one byte
            uint8_t b = static_cast<uint8_t>(m_rng());
            m_data.InsertAtCaret(b);
            m_ref.insert(m_ref.begin() + static_cast<long>(caret), b);
            return true;
        }
        case 5: { // paste inserting a block
            Bytes block = RandomBlock(1 + Random(50));
            int n = static_cast<int>(block.size());
            m_data.InsertBlock(m_data.m_nCaret, block.data(), n);
            m_ref.insert(m_ref.begin() + static_cast<long>(caret), block.begin(), block.end());
            return true;
        }
        default: { // paste over existing bytes
            int n = std::min(len - static_cast<int>(caret), 1 + Random(50));
            if (n <= 0) return false;
            Bytes block = RandomBlock(n);
            m_data.OverwriteBlock(m_data.m_nCaret, block.data(), n);
            std::copy(block.begin(), block.end(), m_ref.begin() + static_cast<long>(caret));
            return true;
        }
        }
    }

    CHeadlessBackend m_backend;
    CBinData m_data;
    Bytes m_ref;
    std::vector<uint64_t> m_states; // the state after each undo step
    std::mt19937 m_rng;
};
} // namespace

TEST(EditDifferential, MillionRandomEditsUndoAndRedoExactly) {
    Differential d(12345);
    const Bytes original = d.m_ref;
    const int steps = 1000000;
    Bytes current;
    for (int i = 0; i < steps; ++i) {
        int records = d.m_data.m_undo.GetCount();
        if (!d.Step()) continue;
        ASSERT_EQ(d.m_data.GetDataLength(), static_cast<int>(d.m_ref.size())) << "step " << i;
        current.resize(d.m_ref.size());
        d.m_data.CopyOut(0, d.m_data.GetSize(), current.data());
        ASSERT_EQ(current, d.m_ref) << "step " << i;
        ASSERT_TRUE(d.m_data.m_redo.IsEmpty());
        // An overwrite merged into the record before it is one undo step with it.
        if (d.m_data.m_undo.GetCount() == records)
            d.m_states.back() = Hash(d.m_ref);
        else
            d.m_states.push_back(Hash(d.m_ref));
    }
    const Bytes final = d.m_ref;
    size_t undoSteps = d.m_states.size() - 1;
    ASSERT_EQ(static_cast<size_t>(d.m_data.m_undo.GetCount()), undoSteps);
    for (size_t k = undoSteps; k > 0; --k) {
        ASSERT_FALSE(d.m_data.ApplyUndoStep(true));
        ASSERT_EQ(Hash(Content(d.m_data)), d.m_states[k - 1]) << "undo to step " << k - 1;
    }
    EXPECT_TRUE(d.m_data.ApplyUndoStep(true));
    EXPECT_EQ(Content(d.m_data), original);
    for (size_t k = 1; k <= undoSteps; ++k) {
        ASSERT_FALSE(d.m_data.ApplyUndoStep(false));
        ASSERT_EQ(Hash(Content(d.m_data)), d.m_states[k]) << "redo to step " << k;
    }
    EXPECT_EQ(Content(d.m_data), final);
    EXPECT_TRUE(d.m_data.m_redo.IsEmpty());
}
