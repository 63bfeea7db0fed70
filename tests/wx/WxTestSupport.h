#pragma once
// Helpers of the wx backend's tests.
#include <cstdlib>
#include <string>
#include <unistd.h>

#include "tests/TempDir.h"
#include "tests/wx/probe/WxProbe.h"
