#include "render/batch_renderer.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <new>
#include <set>
#include <stdexcept>
#include <string>
#include <system_error>
#include <thread>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "reader/field_extractor.h"
#include "reader/io_error.h"
#include "reader/line_splitter.h"
#include "reader/pad_check.h"
#include "reader/pad_document.h"
#include "reader/text_util.h"
#include "reader/vocabulary.h"
#include "render/check_json.h"
#include "render/fields_json.h"
#include "render/ordered_output.h"
#include "render/render_platform.h"
#include "report/report_file.h"

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
        // Every suffix below this one is known to be handed out already.
        int& next = nextSuffix_[AsciiLower(name)];
        int refused = 0;
        for (int n = std::max(next, 1); refused < kMaxRefused; ++n) {
            next = n + 1;
            const std::string candidate = n == 1 ? name : name + "-" + std::to_string(n);
            if (!names_.insert(AsciiLower(candidate)).second) continue;
            const std::string folder = InFolder(dir_, candidate);
            const FolderCreation made = CreateFolder(folder);
            if (made == FolderCreation::Failed) return std::string();
            if (IsNewFolderInDir(folder, made == FolderCreation::Created)) return folder;
            ++refused;
        }
        return std::string();
    }

  private:
    // Names that the file system keeps refusing (such as device names on
    // Windows, whatever their suffix) end the search after this many.
    static constexpr int kMaxRefused = 50;

    // A folder created just now is a new entry of DIR itself and no other
    // folder; one that was there already may lead elsewhere, which its parent
    // shows, or be one handed out before under another name, which its
    // identity shows. The folders created just now are identified only then.
    bool IsNewFolderInDir(const std::string& folder, bool created) {
        if (!dirId_) return false;
        if (created) {
            created_.push_back(folder);
            return true;
        }
        for (const std::string& earlier : created_) {
            if (const auto id = FolderIdentity(earlier)) folders_.insert(*id);
        }
        created_.clear();
        const auto id = FolderIdentity(folder);
        const auto parent = FolderIdentity(InFolder(folder, ".."));
        if (!id || !parent || *id == *dirId_ || *parent != *dirId_) return false;
        return folders_.insert(*id).second;
    }

    const std::string dir_;
    const std::optional<FolderId> dirId_;
    std::unordered_set<std::string> names_;
    std::unordered_map<std::string, int> nextSuffix_;  // by the name's lower case
    std::set<FolderId> folders_;
    std::vector<std::string> created_;  // handed out, not identified yet
};

// After a failure that is not a file error (memory above all), the document
// tables give back what they hold, so that the next file starts afresh.
void ReleaseDocument() {
    SourceLines = LineTable();
    PadFieldList = FieldTable();
}

// One call of RenderFiles. Its workers take the files in order, each file
// whole: a folder for it, reading, extracting, the reports and the fields.
// Each worker thread has a document of its own (the reader's document state
// is per thread). The folders are handed out strictly in the order of the
// files, and the output goes through OrderedOutput, so that every N of jobs
// writes the same files and the same text as rendering one after the other.
class BatchRun {
  public:
    BatchRun(const RenderOptions& options, std::ostream& out, std::ostream& err)
        : options_(options),
          writesReports_(WritesReports(options)),
          outDir_(ReportFolder(options)),
          oneFile_(options.files.size() == 1),
          folders_(outDir_),
          output_(out, err) {
        settings_.labelColor = options.labelColor;
        settings_.contentColor = options.contentColor;
        const FontMetrics metrics =
            options.pitchAndFamily
                ? FontMetrics::Answered(static_cast<uint8_t>(*options.pitchAndFamily))
                : QueryFontMetrics(options.fontFace);
        settings_.fontTableEntry = FontTableEntry(metrics, options.fontFace);
    }

    void Run() {
        const size_t jobs = std::min(JobCount(options_.jobs), options_.files.size());
        std::vector<std::thread> workers;
        for (size_t i = 1; i < jobs; ++i) {
            try {
                workers.emplace_back([this] {
                    Work();
                    ReleaseThreadReportCache();
                    ReleaseThreadDocument();
                });
            } catch (const std::system_error&) {
                break;  // fewer workers then
            }
        }
        Work();
        for (std::thread& worker : workers)
            worker.join();
    }

    bool AllRendered() const { return allRendered_.load(); }
    // With --check: whether a file had an invalid or missing field.
    bool ProblemsFound() const { return problemsFound_.load(); }

  private:
    static size_t JobCount(int requested) {
        if (requested > 0) return static_cast<size_t>(requested);
        const unsigned processors = std::thread::hardware_concurrency();
        return processors > 0 ? processors : 1;
    }

    void Work() {
        for (;;) {
            output_.WaitForRoom();
            if (output_.OutFailed()) return;
            const size_t index = next_.fetch_add(1);
            if (index >= options_.files.size()) return;
            FileOutput output(output_, index);
            if (!RenderFile(index, output.Out(), output.Err())) allRendered_ = false;
        }
    }

    // The folder for the file's reports, handed out when every earlier file
    // has got its own; empty when none could be made.
    std::string ClaimFolder(size_t index) {
        std::unique_lock<std::mutex> lock(claimMutex_);
        claimTurnChanged_.wait(lock, [this, index] { return claimTurn_ == index; });
        std::string folder;
        try {
            folder = folders_.Claim(BaseName(options_.files[index]));
        } catch (const std::exception&) {
            folder.clear();
        }
        ++claimTurn_;
        lock.unlock();
        claimTurnChanged_.notify_all();
        return folder;
    }

    bool RenderFile(size_t index, std::ostream& out, std::ostream& err) {
        const std::string& file = options_.files[index];
        std::string folder = outDir_;
        if (writesReports_ && !oneFile_) {
            folder = ClaimFolder(index);
            if (folder.empty()) {
                err << file << ": cannot create a folder for its reports in " << outDir_ << "\n";
                return false;
            }
        }
        bool rendered = true;
        // With --check, what the file's line says when it could not be checked.
        const char* checkError = "cannot read";
        try {
            // Each file renders as in a viewer that has just started with it.
            EnglishOnly = false;
            const bool exists = ReadSourceLines(file);
            if (!exists) {
                err << file << ": no such file (rendered as an empty document)\n";
                rendered = false;
            } else {
                checkError = "cannot check";
            }
            ExtractPadFields();
            if (options_.check && exists) {
                const PadCheck check = CheckPadDocument();
                WriteCheckAsJsonLine(out, file, check);
                checkError = nullptr;
                if (check.ProblemCount() > 0) problemsFound_ = true;
            }
            if (writesReports_) {
                ReportSettings settings = settings_;
                settings.folder = InFolder(folder, "");
                settings.currentFilePath = ViewerPath(file);
                settings.checkReport = options_.check;
                WriteAllReports(settings);
            }
            if (options_.printFields) WriteFieldsAsJsonLines(out, file);
        } catch (const IoError& error) {
            err << file << ": " << error.what() << "\n";
            rendered = false;
        } catch (const std::bad_alloc&) {
            ReleaseDocument();
            err << file << ": not enough memory to render it\n";
            rendered = false;
        } catch (const std::length_error&) {
            ReleaseDocument();
            err << file << ": too large to render\n";
            rendered = false;
        } catch (const std::exception& error) {
            ReleaseDocument();
            err << file << ": cannot render it: " << error.what() << "\n";
            rendered = false;
        }
        if (options_.check && checkError != nullptr) WriteCheckErrorLine(out, file, checkError);
        return rendered;
    }

    const RenderOptions& options_;
    const bool writesReports_;
    const std::string outDir_;
    const bool oneFile_;
    ReportSettings settings_;
    OutputFolders folders_;
    OrderedOutput output_;
    std::atomic<size_t> next_{0};
    std::atomic<bool> allRendered_{true};
    std::atomic<bool> problemsFound_{false};
    std::mutex claimMutex_;
    std::condition_variable claimTurnChanged_;
    size_t claimTurn_ = 0;
};

}  // namespace

int RenderFiles(const RenderOptions& options, std::ostream& out, std::ostream& err) {
    InitPadReader(ReaderSetup{});
    if (WritesReports(options) && !MakeFolders(ReportFolder(options))) {
        err << ReportFolder(options) << ": cannot create the output folder\n";
        return 1;
    }
    BatchRun run(options, out, err);
    run.Run();
    if (!out.flush()) {
        err << "quillot-render: cannot write to standard output\n";
        return 2;
    }
    if (!run.AllRendered()) return 1;
    return run.ProblemsFound() ? 3 : 0;
}

}  // namespace quillot
