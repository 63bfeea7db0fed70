#pragma once
#include "platform/base/Types.h"

constexpr int SB_HORZ = 0;
constexpr int SB_VERT = 1;

constexpr UINT SB_LINEUP = 0;
constexpr UINT SB_LINEDOWN = 1;
constexpr UINT SB_PAGEUP = 2;
constexpr UINT SB_PAGEDOWN = 3;
constexpr UINT SB_THUMBPOSITION = 4;
constexpr UINT SB_THUMBTRACK = 5;
constexpr UINT SB_TOP = 6;
constexpr UINT SB_BOTTOM = 7;
constexpr UINT SB_ENDSCROLL = 8;
constexpr UINT SB_LINELEFT = SB_LINEUP;
constexpr UINT SB_LINERIGHT = SB_LINEDOWN;
constexpr UINT SB_PAGELEFT = SB_PAGEUP;
constexpr UINT SB_PAGERIGHT = SB_PAGEDOWN;

constexpr UINT SIF_RANGE = 0x01;
constexpr UINT SIF_PAGE = 0x02;
constexpr UINT SIF_POS = 0x04;
constexpr UINT SIF_DISABLENOSCROLL = 0x08;
constexpr UINT SIF_TRACKPOS = 0x10;
constexpr UINT SIF_ALL = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;

struct SCROLLINFO {
    UINT fMask = 0;
    int nMin = 0;
    int nMax = 0;
    UINT nPage = 0;
    int nPos = 0;
    int nTrackPos = 0;

    // Takes the fields the change's mask names; the position stays within the range less the
    // page, as the system keeps it.
    void Apply(const SCROLLINFO& change) {
        if (change.fMask & SIF_RANGE) {
            nMin = change.nMin;
            nMax = change.nMax;
        }
        if (change.fMask & SIF_PAGE) nPage = change.nPage;
        if (change.fMask & SIF_POS) nPos = change.nPos;
        int top = nMax - (static_cast<int>(nPage) > 1 ? static_cast<int>(nPage) - 1 : 0);
        if (top < nMin) top = nMin;
        nPos = nPos < nMin ? nMin : nPos > top ? top : nPos;
    }
    // Everything, with the caller's mask kept.
    void CopyTo(SCROLLINFO& out) const {
        UINT mask = out.fMask;
        out = *this;
        out.fMask = mask;
    }
};
