#include "render/batch_renderer.h"

#include <string>
#include <unordered_set>

#include "reader/field_extractor.h"
#include "reader/io_error.h"
#include "reader/line_splitter.h"
#include "reader/pad_document.h"
#include "reader/text_util.h"
#include "reader/vocabulary.h"
#include "render/fields_json.h"
#include "render/render_platform.h"

namespace quillot {
namespace {

// Hands out one sub-folder name per file name; a name seen before gets "-2",
// "-3", ... Names compare ignoring case, as Windows folders do.
class FolderNames {
  public:
    std::string Claim(const std::string& name) {
        std::string candidate = name;
        for (int n = 2; !taken_.insert(AsciiLower(candidate)).second; ++n) {
            candidate = name + "-" + std::to_string(n);
        }
        return candidate;
    }

  private:
    std::unordered_set<std::string> taken_;
};

std::string InFolder(const std::string& folder, const std::string& name) {
    std::string path = folder;
    if (!path.empty() && path.back() != ReportFolderSeparator && path.back() != '/') {
        path += ReportFolderSeparator;
    }
    return path + name;
}

}  // namespace

int RenderFiles(const RenderOptions& options, std::ostream& out, std::ostream& err) {
    InitPadReader(ReaderSetup{});

    ReportSettings settings;
    settings.labelColor = options.labelColor;
    settings.contentColor = options.contentColor;
    const FontMetrics metrics =
        options.pitchAndFamily
            ? FontMetrics::Answered(static_cast<uint8_t>(*options.pitchAndFamily))
            : QueryFontMetrics(options.fontFace);
    settings.fontTableEntry = FontTableEntry(metrics, options.fontFace);

    if (!MakeFolders(options.outDir)) {
        err << options.outDir << ": cannot create the output folder\n";
        return 1;
    }

    const bool oneFile = options.files.size() == 1;
    FolderNames folderNames;
    int status = 0;
    for (const std::string& file : options.files) {
        std::string folder = options.outDir;
        if (!oneFile) {
            folder = InFolder(options.outDir, folderNames.Claim(BaseName(file)));
            if (!MakeFolders(folder)) {
                err << file << ": cannot create the folder " << folder << "\n";
                status = 1;
                continue;
            }
        }
        settings.folder = InFolder(folder, "");
        settings.currentFilePath = ViewerPath(file);
        // Each file renders as in a viewer that has just started with it.
        EnglishOnly = false;
        try {
            if (!ReadSourceLines(file)) {
                err << file << ": no such file (rendered as an empty document)\n";
                status = 1;
            }
            ExtractPadFields();
            WriteAllReports(settings);
        } catch (const IoError& error) {
            err << file << ": " << error.what() << "\n";
            status = 1;
            continue;
        }
        if (options.printFields) WriteFieldsAsJsonLines(out, file);
    }
    out.flush();
    return status;
}

}  // namespace quillot
