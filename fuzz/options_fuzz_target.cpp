// Fuzz target over the text that users control outside PAD files: the
// command line of quillot-render and the integer syntax of the settings
// store. The input is an argument list, its arguments separated by NUL bytes.
//  - Every argument goes through ParseIniInteger, whose verdict and value
//    must be those of the plain reference below.
//  - The list is handled as quillot-render's main handles it: a usage error
//    gives 2, --help 0, anything else the status of RenderFiles, which must be
//    0, 1 or 2 (0 only when every file existed), with --fields output that
//    reads as JSON.
// RenderFiles runs only where it stays inside a temporary folder: when the
// output folder and the files are plain names there (no "/", not ".."), at
// most kMaxRenderedFiles of them. The folder holds one PAD file, "pad.xml";
// whatever a run creates is removed after it.
#include <stdlib.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "fuzz/json_check.h"
#include "render/batch_renderer.h"
#include "render/render_options.h"
#include "settings/ini_integer.h"

namespace quillot::fuzz {
namespace {

constexpr size_t kMaxRenderedFiles = 8;
constexpr const char* kPadFile = "pad.xml";
constexpr const char kPadText[] =
    "<?xml version=\"1.0\"?>\r\n<XML_DIZ_INFO>\r\n<Program_Info>\r\n"
    "<Program_Name>Fuzz &amp; Co</Program_Name>\r\n<Program_Version>1.0</Program_Version>\r\n"
    "</Program_Info>\r\n</XML_DIZ_INFO>\r\n";

std::filesystem::path g_folder;  // the temporary folder

void RemoveFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(g_folder, ignored);
}

void SetUp() {
    const char* tmp = getenv("TMPDIR");
    std::string pattern =
        std::string(tmp != nullptr && *tmp != '\0' ? tmp : "/tmp") + "/quillot-options-XXXXXX";
    FUZZ_CHECK(mkdtemp(pattern.data()) != nullptr, "cannot create the temporary folder");
    g_folder = pattern;
    atexit(RemoveFolder);
    FILE* pad = std::fopen((g_folder / kPadFile).c_str(), "wb");
    FUZZ_CHECK(pad != nullptr && std::fputs(kPadText, pad) >= 0 && std::fclose(pad) == 0,
               "cannot write the PAD file");
}

// The reference: the syntax as its description reads, with the library's
// number conversion instead of a digit loop.
bool ReferenceIniInteger(std::string_view text, int32_t& value) {
    const size_t start = text.find_first_not_of(' ');
    if (start == std::string_view::npos) return false;
    text.remove_prefix(start);
    const bool hex = text[0] == '$';
    const bool sign = !hex && (text[0] == '-' || text[0] == '+');
    std::string_view digits = text.substr(hex || sign ? 1 : 0);
    const std::string_view allowed = hex ? "0123456789abcdefABCDEF" : "0123456789";
    if (digits.empty() || digits.find_first_not_of(allowed) != std::string_view::npos) return false;
    while (digits.size() > 1 && digits[0] == '0')
        digits.remove_prefix(1);
    if (digits.size() > (hex ? 8u : 10u)) return false;
    const unsigned long long number =
        std::strtoull(std::string(digits).c_str(), nullptr, hex ? 16 : 10);
    if (hex) {
        value = static_cast<int32_t>(static_cast<uint32_t>(number));
        return true;
    }
    if (number > 2147483647ull) return false;
    value = static_cast<int32_t>(text[0] == '-' ? -static_cast<long long>(number)
                                                : static_cast<long long>(number));
    return true;
}

void CheckIniInteger(const std::string& text) {
    int32_t value = 12345;
    int32_t expected = 12345;
    const bool parsed = ParseIniInteger(text, value);
    FUZZ_CHECK(parsed == ReferenceIniInteger(text, expected),
               "ParseIniInteger and the reference disagree on the verdict");
    FUZZ_CHECK(value == expected, "ParseIniInteger and the reference disagree on the value");
}

bool IsPlainName(const std::string& name) {
    return name.find('/') == std::string::npos && name != "..";
}

// Where RenderFiles may run: the options with their folder and files put
// inside the temporary folder; false when they would reach outside it.
bool PlaceInFolder(RenderOptions& options) {
    if (options.files.size() > kMaxRenderedFiles || !IsPlainName(options.outDir)) return false;
    for (const std::string& file : options.files) {
        if (!IsPlainName(file)) return false;
    }
    if (!options.outDir.empty()) {
        options.outDir = (g_folder / options.outDir).string();
    } else if (WritesReports(options)) {
        options.outDir = g_folder.string();  // instead of the current folder
    }
    for (std::string& file : options.files)
        file = (g_folder / file).string();
    return true;
}

void CleanFolder() {
    for (const auto& entry : std::filesystem::directory_iterator(g_folder)) {
        if (entry.path().filename() != kPadFile) std::filesystem::remove_all(entry.path());
    }
}

void CheckFieldsOutput(const std::string& text) {
    JsonObject line;
    std::string error;
    for (size_t start = 0; start < text.size();) {
        const size_t end = text.find('\n', start);
        FUZZ_CHECK(end != std::string::npos, "--fields output ends inside a line");
        FUZZ_CHECK(ReadJsonObject(std::string_view(text).substr(start, end - start), line, error),
                   error.c_str());
        start = end + 1;
    }
}

// The exit status of quillot-render for the arguments, as its main decides
// it; -1 when it would render outside the temporary folder.
int RunRender(const std::vector<std::string>& args) {
    const ParsedCommandLine parsed = ParseRenderCommandLine(args);
    if (!parsed.error.empty()) return 2;
    if (parsed.options.help) return 0;
    FUZZ_CHECK(!parsed.options.files.empty(), "no file and no usage error");
    FUZZ_CHECK(!parsed.options.pitchAndFamily ||
                   (*parsed.options.pitchAndFamily >= 0 && *parsed.options.pitchAndFamily <= 255),
               "a pitch-and-family byte out of range");
    RenderOptions options = parsed.options;
    if (!PlaceInFolder(options)) return -1;
    std::ostringstream out;
    std::ostringstream err;
    const int status = RenderFiles(options, out, err);
    CleanFolder();
    bool allExist = true;
    for (const std::string& file : parsed.options.files)
        allExist = allExist && file == kPadFile;
    FUZZ_CHECK(status != 0 || allExist, "exit status 0 with a file that does not exist");
    FUZZ_CHECK(status != 0 || err.str().empty(), "exit status 0 with a problem reported");
    FUZZ_CHECK(status == 0 || !err.str().empty(), "a failure without a message");
    if (options.printFields) CheckFieldsOutput(out.str());
    return status;
}

}  // namespace
}  // namespace quillot::fuzz

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    quillot::fuzz::SetUp();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace quillot::fuzz;

    std::vector<std::string> args;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (size_t start = 0; start <= size;) {
        const size_t end = std::min(bytes.find('\0', start), size);
        args.emplace_back(bytes.substr(start, end - start));
        start = end + 1;
    }
    if (size == 0) args.clear();
    for (const std::string& arg : args)
        CheckIniInteger(arg);

    const int status = RunRender(args);
    FUZZ_CHECK(status == -1 || status == 0 || status == 1 || status == 2,
               "an exit status other than 0, 1 and 2");
    return 0;
}
