// A test fixture with the reader's tables set up and its document state
// emptied before each test.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace quillot::test {

class ReaderTest : public ::testing::Test {
  protected:
    void SetUp() override;
};

// Loads the text as SourceLines (through the real splitter) and extracts it.
void LoadDocumentText(std::string_view text);

// SourceLines as a vector, for comparisons.
std::vector<std::string> SourceLinesAsVector();

// Shows CR as "⏎" so that failing comparisons read well.
std::string ShowCr(std::string_view text);

}  // namespace quillot::test
