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

// A document, one element a line, that gives each of the 34 elements whose
// rule in the PAD format rejects the empty text a value that keeps to it in
// PAD 3.11 and 4.0, with `padVersion` as its MASTER_PAD_VERSION.
std::string RequiredPadFields(const std::string& padVersion);

// SourceLines as a vector, for comparisons.
std::vector<std::string> SourceLinesAsVector();

// Shows CR as "⏎" so that failing comparisons read well.
std::string ShowCr(std::string_view text);

}  // namespace quillot::test
