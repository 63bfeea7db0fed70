#pragma once
// Helpers of the wx backend's tests.
#include <cstdlib>
#include <string>
#include <unistd.h>

#include "platform/wx/probe/WxProbe.h"

// A folder removed with everything in it when the test ends.
class WxTempDir {
public:
    WxTempDir() {
        char pattern[] = "/tmp/quelm-wx-test-XXXXXX";
        m_path = mkdtemp(pattern);
    }
    ~WxTempDir() { std::system(("rm -rf '" + m_path + "'").c_str()); }
    std::string Path(const std::string& name) const { return m_path + "/" + name; }

private:
    std::string m_path;
};
