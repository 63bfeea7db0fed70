// Pattern search and replace-all of CBinData.
//
// A sequence of searches runs from its anchor to the end of the range, then wraps and runs from
// the range's start up to where it began, so every position is tried once. Forward, the first
// pass tries starts from anchor - h + 1 and the wrap pass the starts before that; backward, the
// first pass tries starts up to anchor - h and the wrap pass those after.
#include <algorithm>
#include <cstring>
#include <functional>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "engine/BinData.h"

namespace {
struct FoldTable {
    uint8_t fold[256];
    FoldTable() {
        for (int b = 0; b < 256; ++b)
            fold[b] = static_cast<uint8_t>(b >= 0x61 && b <= 0x7A ? b - 0x20 : b);
    }
};
const FoldTable kFold;

// Whether the pass that found the last match was a wrap pass; lives with the anchor.
bool g_bWrapped = false;

inline bool IsLetter(uint8_t b) {
    return (b | 0x20) >= 'a' && (b | 0x20) <= 'z';
}

// Both cases of a letter, a block at a time where the processor allows.
const uint8_t* FindEitherCase(const uint8_t* p, const uint8_t* last, uint8_t lower) {
#if defined(__SSE2__)
    const __m128i bit = _mm_set1_epi8(0x20), want = _mm_set1_epi8(static_cast<char>(lower));
    for (; p + 16 <= last + 1; p += 16) {
        __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        int mask = _mm_movemask_epi8(_mm_cmpeq_epi8(_mm_or_si128(v, bit), want));
        if (mask) return p + __builtin_ctz(static_cast<unsigned>(mask));
    }
#endif
    for (; p <= last; ++p)
        if ((*p | 0x20) == lower) return p;
    return nullptr;
}

// Anchors on a pattern byte that only matches itself, found with memchr; a pattern of
// letters only anchors on its first letter in either case.
const uint8_t* FindFoldedForward(const uint8_t* p, size_t n, const uint8_t* pat, size_t h) {
    if (n < h) return nullptr;
    const uint8_t* lastStart = p + n - h;
    size_t k = 0;
    while (k < h && IsLetter(pat[k]))
        ++k;
    for (const uint8_t* q = p;; ++q) {
        const uint8_t* hit;
        if (k < h) {
            hit = static_cast<const uint8_t*>(
                std::memchr(q + k, pat[k], static_cast<size_t>(lastStart - q) + 1));
            hit = hit ? hit - k : nullptr;
        } else {
            hit = FindEitherCase(q, lastStart, static_cast<uint8_t>(pat[0] | 0x20));
        }
        if (!hit) return nullptr;
        if (CBinData::MatchAt(static_cast<int>(h), pat, hit, false)) return hit;
        q = hit;
        if (q == lastStart) return nullptr;
    }
}

// The first exact occurrence of the pattern in the span, or null.
const uint8_t* FindExactForward(const uint8_t* base, size_t span, const uint8_t* pat, size_t h) {
#if defined(__GLIBC__)
    return static_cast<const uint8_t*>(memmem(base, span, pat, h));
#else
    const uint8_t* end = base + span;
    const uint8_t* hit = std::search(base, end, std::boyer_moore_horspool_searcher(pat, pat + h));
    return hit == end ? nullptr : hit;
#endif
}
} // namespace

bool CBinData::MatchAt(int length, const uint8_t* pattern, const uint8_t* bytes,
                       bool caseSensitive) {
    if (caseSensitive) return std::memcmp(pattern, bytes, static_cast<size_t>(length)) == 0;
    for (int i = 0; i < length; ++i)
        if (kFold.fold[pattern[i]] != kFold.fold[bytes[i]]) return false;
    return true;
}

// Match starts per span read from the store: a span holds its starts and the h - 1 bytes after
// the last of them.
int CBinData::StartsPerSpan(int h) const {
    return std::max(m_pStore->SpanLimit() - h + 1, 1);
}

// First match starting at from .. to (inclusive), or -1.
int CBinData::ScanForward(int h, const uint8_t* pattern, bool cs, int from, int to) {
    from = std::max(from, 0);
    to = std::min(to, GetDataLength() - h);
    int chunk = StartsPerSpan(h);
    for (int start = from; start <= to;) {
        int last = static_cast<int>(std::min<int64_t>(to, int64_t(start) + chunk - 1));
        size_t span = size_t(last - start) + size_t(h);
        const uint8_t* base = GetBytes(start, static_cast<int>(span));
        const uint8_t* hit = cs ? FindExactForward(base, span, pattern, size_t(h))
                                : FindFoldedForward(base, span, pattern, size_t(h));
        if (hit) return start + static_cast<int>(hit - base);
        if (last == to) break;
        start = last + 1;
    }
    return -1;
}

// First match starting at from, from - 1, .. down to to, or -1.
int CBinData::ScanBackward(int h, const uint8_t* pattern, bool cs, int from, int to) {
    to = std::max(to, 0);
    from = std::min(from, GetDataLength() - h);
    int chunk = StartsPerSpan(h);
    for (int top = from; top >= to;) {
        int bottom = static_cast<int>(std::max<int64_t>(to, int64_t(top) - chunk + 1));
        const uint8_t* base = GetBytes(bottom, top - bottom + h);
        const uint8_t f0 = cs ? pattern[0] : kFold.fold[pattern[0]];
        for (int i = top - bottom; i >= 0; --i) {
            uint8_t b = cs ? base[i] : kFold.fold[base[i]];
            if (b == f0 && MatchAt(h, pattern, base + i, cs)) return bottom + i;
        }
        if (bottom == to) break;
        top = bottom - 1;
    }
    return -1;
}

int CBinData::SetMatch(int pos, int length) {
    m_nCaret = pos + length;
    SetSelection(pos, pos + length - 1);
    return pos;
}

int CBinData::FindForward(int h, const uint8_t* pattern, bool first, bool cs, int low, int high) {
    int32_t& anchor = s_nSearchAnchor;
    auto scan = [&](int from, int to) {
        return ScanForward(h, pattern, cs, std::max(from, low), std::min(to, high - h + 1));
    };
    int n = std::max(m_nCaret - h + 1, low);
    // Only the caret behind the wrap pass's own match shows that pass is under way; an edit
    // such as replacing the match by nothing can put the caret on the anchor before that.
    bool behindMatch = m_bSelection && SelectionLength() == h && m_nSelEnd + 1 == m_nCaret;
    if (!first && m_nCaret <= anchor && behindMatch && g_bWrapped) {
        g_bWrapped = true;
        int found = scan(n, anchor - h);
        return found < 0 ? -1 : SetMatch(found, h);
    }
    if (m_bSelection && m_nSelStart == n && m_nSelEnd - m_nSelStart + 1 == h) {
        ++n;
        if (first) ++anchor;
    }
    int found = scan(n, high - h + 1);
    g_bWrapped = found < 0;
    // An anchor beyond the caret (left by another document) must not bring back the match just
    // found.
    int wrapEnd = std::min(anchor - h, n - 1);
    if (!first && behindMatch) wrapEnd = std::min(wrapEnd, m_nSelStart - 1);
    if (found < 0) found = scan(low, wrapEnd);
    return found < 0 ? -1 : SetMatch(found, h);
}

int CBinData::FindBackward(int h, const uint8_t* pattern, bool first, bool cs, int low, int high) {
    int32_t& anchor = s_nSearchAnchor;
    auto scan = [&](int from, int to) {
        return ScanBackward(h, pattern, cs, std::min(from, high - h + 1), std::max(to, low));
    };
    int r = std::min(m_nCaret - 1, high);
    bool wrapped = !first && m_nCaret > anchor;
    if (m_bSelection && m_nSelEnd == r && m_nSelEnd - m_nSelStart + 1 == h) {
        --r;
        if (first) --anchor;
    }
    if (wrapped) {
        g_bWrapped = true;
        int found = scan(r - h + 1, anchor - h + 1);
        return found < 0 ? -1 : SetMatch(found, h);
    }
    int found = scan(r - h + 1, low);
    g_bWrapped = found < 0;
    if (found < 0) found = scan(high - h + 1, anchor - h + 1);
    return found < 0 ? -1 : SetMatch(found, h);
}

bool CBinData::GetSearchRange(bool inRange, int& low, int& high) const {
    int dataLength = GetDataLength();
    low = 0;
    high = dataLength - 1;
    if (inRange && m_bRegistered) {
        // Only the part of the range that lies within the data.
        low = std::max(m_nRegStart, 0);
        high = std::min(m_nRegEnd, dataLength - 1);
    }
    return low <= high;
}

int CBinData::Find(bool forward, int length, const uint8_t* pattern, bool first, bool caseSensitive,
                   bool inRange) {
    int low, high;
    GetSearchRange(inRange, low, high);
    if (first) s_nSearchAnchor = m_nCaret;
    // The caret behind a match on the range's last byte still counts as inside.
    if (m_nCaret < low || m_nCaret > high + 1) {
        m_nCaret = std::clamp(forward ? low : high + 1, 0, GetDataLength());
        s_nSearchAnchor = m_nCaret;
        first = true; // a new sequence starts here
    }
    if (length <= 0 || !pattern || high - low + 1 < length) return -1;
    return forward ? FindForward(length, pattern, first, caseSensitive, low, high)
                   : FindBackward(length, pattern, first, caseSensitive, low, high);
}

// Two rules keep a sequence of replacements finite where the new bytes contain the pattern: a
// match never lies wholly inside bytes a replacement put in, and the anchor moves with the length
// changes before it, so the wrap pass stops where the sequence began. Every replacement thus
// consumes at least one byte that was there before.
int CBinData::ReplaceAndScan(int h, const uint8_t* pattern, bool cs, int newLength,
                             const uint8_t* newBytes, int low, int& high, bool& wrapped) {
    int32_t& anchor = s_nSearchAnchor;
    int pos = m_nSelStart;
    ReplaceSelection(newLength, newBytes);
    // The range's end and the anchor keep pointing at the same bytes as the data changes.
    high += newLength - h;
    if (pos < anchor) anchor = pos + h <= anchor ? anchor + newLength - h : pos;
    int n = std::max({m_nCaret - h + 1, pos + newLength - h + 1, low});
    int found = -1;
    if (!wrapped) {
        found = ScanForward(h, pattern, cs, n, high - h + 1);
        if (found < 0) {
            wrapped = true;
            n = low;
        }
    }
    if (found < 0) found = ScanForward(h, pattern, cs, n, std::min(anchor - h, high - h + 1));
    return found;
}

// Repeats replace and search forward as one undo group.
int CBinData::ReplaceAll(int length, const uint8_t* pattern, int newLength, const uint8_t* newBytes,
                         bool caseSensitive, bool inRange) {
    if (!m_pStore->IsEditable() || Find(true, length, pattern, true, caseSensitive, inRange) < 0)
        return -1;
    newLength &= 0xFFFF;
    bool wrapped = g_bWrapped;
    int low, high;
    GetSearchRange(inRange, low, high);
    ClearRedo();
    BeginUndoGroup();
    int count = 1;
    for (;;) {
        int found =
            ReplaceAndScan(length, pattern, caseSensitive, newLength, newBytes, low, high, wrapped);
        if (found < 0) break;
        SetMatch(found, length);
        ++count;
    }
    EndUndoGroup();
    g_bWrapped = wrapped;
    return count;
}

bool CBinData::SelectionMatches(int length, const uint8_t* pattern, bool caseSensitive,
                                bool inRange) {
    int low, high;
    if (!m_bSelection || length <= 0 || SelectionLength() != length ||
        !GetSearchRange(inRange, low, high) || m_nSelStart < low || m_nSelEnd > high)
        return false;
    return MatchAt(length, pattern, GetBytes(m_nSelStart, length), caseSensitive);
}

int CBinData::ReplaceMatch(int length, const uint8_t* pattern, int newLength,
                           const uint8_t* newBytes, bool caseSensitive, bool inRange) {
    if (!m_pStore->IsEditable() || !SelectionMatches(length, pattern, caseSensitive, inRange))
        return -1;
    int low, high;
    GetSearchRange(inRange, low, high);
    bool wrapped = g_bWrapped;
    int found = ReplaceAndScan(length, pattern, caseSensitive, newLength & 0xFFFF, newBytes, low,
                               high, wrapped);
    g_bWrapped = wrapped;
    return found < 0 ? -1 : SetMatch(found, length);
}
