#pragma once
// Helpers of the wx backend's tests.
#include <cstdlib>
#include <string>
#include <unistd.h>

#include "platform/wx/probe/WxProbe.h"
#include "tests/TempDir.h"
