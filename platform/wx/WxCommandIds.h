#pragma once
#include "platform/base/Types.h"

// wx takes ids below 0x7FFF only, the program's commands go up to 0xFFFF. Small ids keep their
// value; the others get a wx id of their own, the same one for the whole run.
class CWxCommandIds {
public:
    CWxCommandIds() = delete;

    static int ToWx(UINT id);
    // The program's id of a wx id made by ToWx; a wx id it did not make comes back as is.
    static UINT FromWx(int wxId);

    static constexpr UINT kFirstMapped = 10000;
};
