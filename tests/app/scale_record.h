// Figures of a display scaling run held against those of a run at 96 DPI.
// display_scaling_test.sh runs the test program first at 96 DPI with
// QUILLOT_SCALE_RECORD naming a file, which takes every figure, then at other
// DPIs (QUILLOT_TEST_DPI) with QUILLOT_SCALE_BASELINE naming that file: each
// size must then be the recorded one scaled by the ratio of the DPIs, each
// text the recorded one. Without either variable only the DPI is checked.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace quillot::test {

// The DPI the run was started at (QUILLOT_TEST_DPI), 96 when not given.
UINT RunDpi();

// A size in pixels, at most `tolerance` pixels off the recorded one scaled.
void ExpectScaled(const std::string& name, int pixels, int tolerance = 1);
// A text, the same as the recorded one.
void ExpectSameText(const std::string& name, const std::wstring& text);

// |actual - expected * to / from| <= tolerance, for sizes within one run.
::testing::AssertionResult IsScaled(int actual, int expected, UINT from, UINT to, int tolerance);

}  // namespace quillot::test
