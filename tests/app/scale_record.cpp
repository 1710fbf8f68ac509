#include "tests/app/scale_record.h"

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>

namespace quillot::test {
namespace {

std::string Variable(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

// The figures of the run at 96 DPI, by name.
const std::map<std::string, std::string>& Baseline() {
    static const std::map<std::string, std::string> figures = [] {
        std::map<std::string, std::string> read;
        std::ifstream file(Variable("QUILLOT_SCALE_BASELINE"));
        std::string name, value;
        while (file >> name >> value)
            read[name] = value;
        return read;
    }();
    return figures;
}

// Takes the figure into the record, or holds it against the baseline: the
// baseline's value goes to `check`.
template <typename Check>
void Figure(const std::string& name, const std::string& value, Check check) {
    const std::string record = Variable("QUILLOT_SCALE_RECORD");
    if (!record.empty()) {
        std::ofstream(record, std::ios::app) << name << ' ' << value << '\n';
        return;
    }
    if (Variable("QUILLOT_SCALE_BASELINE").empty()) return;
    const auto found = Baseline().find(name);
    if (found == Baseline().end()) {
        ADD_FAILURE() << name << " is not in the baseline";
        return;
    }
    check(found->second);
}

// FNV-1a over the UTF-16 units: the record keeps no text, only its hash.
std::string TextHash(const std::wstring& text) {
    uint64_t hash = 14695981039346656037ull;
    for (wchar_t unit : text) {
        hash = (hash ^ static_cast<uint16_t>(unit)) * 1099511628211ull;
    }
    std::ostringstream out;
    out << std::hex << hash << ':' << std::dec << text.size();
    return out.str();
}

}  // namespace

UINT RunDpi() {
    const int dpi = std::atoi(Variable("QUILLOT_TEST_DPI").c_str());
    return dpi > 0 ? static_cast<UINT>(dpi) : 96;
}

::testing::AssertionResult IsScaled(int actual, int expected, UINT from, UINT to, int tolerance) {
    const int scaled = MulDiv(expected, static_cast<int>(to), static_cast<int>(from));
    if (std::abs(actual - scaled) <= tolerance) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << actual << " is not " << expected << " at " << from << " DPI scaled to " << to
           << " DPI (" << scaled << ", within " << tolerance << ")";
}

void ExpectScaled(const std::string& name, int pixels, int tolerance) {
    Figure(name, std::to_string(pixels), [&](const std::string& recorded) {
        EXPECT_TRUE(IsScaled(pixels, std::atoi(recorded.c_str()), 96, RunDpi(), tolerance)) << name;
    });
}

void ExpectSameText(const std::string& name, const std::wstring& text) {
    Figure(name, TextHash(text),
           [&](const std::string& recorded) { EXPECT_EQ(TextHash(text), recorded) << name; });
}

}  // namespace quillot::test
