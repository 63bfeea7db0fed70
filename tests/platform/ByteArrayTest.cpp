#include "platform/base/ByteArray.h"

#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace {
std::vector<uint8_t> All(CByteArray& a) {
    std::vector<uint8_t> out(static_cast<size_t>(a.GetSize()));
    for (int i = 0; i < a.GetSize(); ++i)
        out[static_cast<size_t>(i)] = a.GetAt(i);
    return out;
}
} // namespace

TEST(ByteArray, SetSizeZeroFillsAndShrinks) {
    CByteArray a;
    a.SetSize(5, 4096);
    EXPECT_EQ(All(a), std::vector<uint8_t>(5, 0));
    a.SetAt(4, 9);
    a.SetSize(3);
    a.SetSize(5);
    EXPECT_EQ(All(a), std::vector<uint8_t>(5, 0)); // a byte cut off does not come back
    a.RemoveAll();
    EXPECT_EQ(a.GetSize(), 0);
}

TEST(ByteArray, RandomEditsAgreeWithVector) {
    std::mt19937 rng(7);
    CByteArray a;
    std::vector<uint8_t> ref;
    for (int step = 0; step < 20000; ++step) {
        int size = static_cast<int>(ref.size());
        int pos = static_cast<int>(rng() % static_cast<unsigned>(size + 1));
        switch (rng() % 4) {
        case 0: {
            uint8_t b = static_cast<uint8_t>(rng());
            int n = 1 + static_cast<int>(rng() % 40);
            std::vector<uint8_t> block(static_cast<size_t>(n), b);
            block[0] ^= 0x55;
            a.InsertAt(pos, block.data(), n);
            ref.insert(ref.begin() + pos, block.begin(), block.end());
            break;
        }
        case 1:
            if (pos < size) {
                int n = std::min(size - pos, 1 + static_cast<int>(rng() % 30));
                a.RemoveAt(pos, n);
                ref.erase(ref.begin() + pos, ref.begin() + pos + n);
            }
            break;
        case 2:
            if (pos < size) {
                // A run written in place may straddle the gap.
                int n = std::min(size - pos, 1 + static_cast<int>(rng() % 30));
                std::vector<uint8_t> run(static_cast<size_t>(n), static_cast<uint8_t>(step));
                run[0] ^= 0xAA;
                if (n == 1)
                    a.SetAt(pos, run[0]);
                else
                    a.CopyIn(pos, n, run.data());
                std::copy(run.begin(), run.end(), ref.begin() + pos);
            }
            break;
        default: {
            // A contiguous range must show the same bytes wherever the gap was.
            int n = std::min(size - pos, static_cast<int>(rng() % 64));
            if (n > 0) {
                const uint8_t* p = a.GetRange(pos, n);
                ASSERT_TRUE(std::equal(p, p + n, ref.begin() + pos)) << "step " << step;
            }
        }
        }
        ASSERT_EQ(a.GetSize(), static_cast<int>(ref.size()));
    }
    EXPECT_EQ(All(a), ref);
    std::vector<uint8_t> copy(ref.size());
    a.CopyOut(0, a.GetSize(), copy.data());
    EXPECT_EQ(copy, ref);
    const uint8_t* whole = a.GetData();
    EXPECT_TRUE(std::equal(ref.begin(), ref.end(), whole));
}
