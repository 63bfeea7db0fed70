// Starts wx (it needs a display: run under xvfb-run) around the tests.
#include <gtest/gtest.h>

#include <cstdio>

#include "platform/wx/probe/WxProbe.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (testing::GTEST_FLAG(list_tests)) return RUN_ALL_TESTS();
    if (!CWxProbe::Start(argc, argv)) {
        std::fputs("quelm_wx_tests: no display; run it under xvfb-run\n", stderr);
        return 1;
    }
    int result = RUN_ALL_TESTS();
    CWxProbe::Stop();
    return result;
}
