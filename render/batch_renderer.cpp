#include "render/batch_renderer.h"

#include <new>
#include <set>
#include <stdexcept>
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

std::string InFolder(const std::string& folder, const std::string& name) {
    std::string path = folder;
    if (!path.empty() && path.back() != ReportFolderSeparator && path.back() != '/') {
        path += ReportFolderSeparator;
    }
    return path + name;
}

// Hands out one new sub-folder of DIR per file, named after the file as the
// file system would store it (on Windows without trailing dots and blanks);
// a name seen before gets "-2", "-3", ... Names compare ignoring ASCII case,
// as Windows folders do. "", "." and ".." get a "_" in front. A folder is
// only taken when the file system shows it to be a folder right inside DIR
// that no earlier file got: a name that it reads as one handed out already
// (such as letter case beyond ASCII), as DIR itself or as a way out of DIR
// moves on to the next suffix.
class OutputFolders {
  public:
    explicit OutputFolders(std::string dir) : dir_(std::move(dir)), dirId_(FolderIdentity(dir_)) {}

    // Creates the file's folder and returns its path; empty when none could be made.
    std::string Claim(const std::string& fileName) {
        std::string name = StoredFolderName(fileName);
        if (name.empty() || name == "." || name == "..") name.insert(0, "_");
        int refused = 0;
        for (int n = 1; refused < kMaxRefused; ++n) {
            const std::string candidate = n == 1 ? name : name + "-" + std::to_string(n);
            if (!names_.insert(AsciiLower(candidate)).second) continue;
            const std::string folder = InFolder(dir_, candidate);
            if (!MakeFolders(folder)) return std::string();
            if (IsNewFolderInDir(folder)) return folder;
            ++refused;
        }
        return std::string();
    }

  private:
    // Names that the file system keeps refusing (such as device names on
    // Windows, whatever their suffix) end the search after this many.
    static constexpr int kMaxRefused = 50;

    bool IsNewFolderInDir(const std::string& folder) {
        const auto id = FolderIdentity(folder);
        const auto parent = FolderIdentity(InFolder(folder, ".."));
        if (!id || !parent || !dirId_ || *parent != *dirId_ || *id == *dirId_) return false;
        return folders_.insert(*id).second;
    }

    const std::string dir_;
    const std::optional<FolderId> dirId_;
    std::unordered_set<std::string> names_;
    std::set<FolderId> folders_;
};

// After a failure that is not a file error (memory above all), the document
// tables give back what they hold, so that the next file starts afresh.
void ReleaseDocument() {
    SourceLines = LineTable();
    PadFieldList = FieldTable();
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
    OutputFolders folders(options.outDir);
    int status = 0;
    for (const std::string& file : options.files) {
        std::string folder = options.outDir;
        if (!oneFile) {
            folder = folders.Claim(BaseName(file));
            if (folder.empty()) {
                err << file << ": cannot create a folder for its reports in " << options.outDir
                    << "\n";
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
            if (options.printFields) WriteFieldsAsJsonLines(out, file);
        } catch (const IoError& error) {
            err << file << ": " << error.what() << "\n";
            status = 1;
        } catch (const std::bad_alloc&) {
            ReleaseDocument();
            err << file << ": not enough memory to render it\n";
            status = 1;
        } catch (const std::length_error&) {
            ReleaseDocument();
            err << file << ": too large to render\n";
            status = 1;
        } catch (const std::exception& error) {
            ReleaseDocument();
            err << file << ": cannot render it: " << error.what() << "\n";
            status = 1;
        }
        if (!out) break;
    }
    if (!out.flush()) {
        err << "quillot-render: cannot write to standard output\n";
        return 2;
    }
    return status;
}

}  // namespace quillot
