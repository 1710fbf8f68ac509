// The standard output and error of files that render at the same time,
// passed on in the order of the files, exactly as rendering one file after
// the other writes them. Each file writes into streams of its own: while an
// earlier file is still being rendered, its text is held back; once every
// earlier file is done, it goes straight through. A file that has held back
// more than a little waits for its turn instead of holding more, so a large
// file's output is never kept whole in memory.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <map>
#include <mutex>
#include <ostream>
#include <streambuf>
#include <string>
#include <string_view>

namespace quillot {

class OrderedOutput;

// One file's two streams.
class FileOutput {
  public:
    FileOutput(OrderedOutput& owner, size_t index);
    ~FileOutput();  // passes on what the file wrote, in its turn
    FileOutput(const FileOutput&) = delete;
    FileOutput& operator=(const FileOutput&) = delete;

    std::ostream& Out() { return out_; }
    std::ostream& Err() { return err_; }

  private:
    friend class OrderedOutput;

    // Holds the text back, or passes it on once its file's turn has come.
    class Channel : public std::streambuf {
      public:
        Channel(FileOutput& file, std::ostream& target) : file_(file), target_(target) {}
        std::string held;

      protected:
        std::streamsize xsputn(const char* text, std::streamsize size) override;
        int_type overflow(int_type c) override;

      private:
        FileOutput& file_;
        std::ostream& target_;
    };

    void GoStraight();  // writes what is held, and everything after it directly

    OrderedOutput& owner_;
    const size_t index_;
    bool straight_ = false;
    Channel outChannel_;
    Channel errChannel_;
    std::ostream out_;
    std::ostream err_;
};

class OrderedOutput {
  public:
    // What one file may hold back before it waits for its turn, and what the
    // finished files may hold back in all before no further file starts.
    static constexpr size_t kFileLimit = 1 << 20;
    static constexpr size_t kTotalLimit = 8 << 20;

    OrderedOutput(std::ostream& out, std::ostream& err) : out_(out), err_(err) {}

    // Waits until the finished files hold back little enough for another
    // file to start. Each index from 0 on gets its FileOutput exactly once,
    // none skipped; the files are passed on in the order of their index.
    void WaitForRoom();
    // True once a write to the standard output has failed.
    bool OutFailed() const { return outFailed_.load(std::memory_order_acquire); }

  private:
    friend class FileOutput;

    struct Held {
        std::string out;
        std::string err;
    };

    bool IsTurnOf(size_t index) const { return turn_.load(std::memory_order_acquire) == index; }
    void WaitForTurnOf(size_t index);
    // Writes directly; only the file whose turn it is does so.
    void Write(std::ostream& target, std::string_view text);
    // The file is done: in its turn its text is written together with that
    // of the finished files after it, otherwise its text is held back.
    void Finish(FileOutput& file);

    std::ostream& out_;
    std::ostream& err_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::atomic<size_t> turn_{0};  // the file whose text goes straight through
    std::atomic<bool> outFailed_{false};
    std::map<size_t, Held> finished_;  // files done before their turn
    size_t heldBytes_ = 0;             // what they hold back in all
};

}  // namespace quillot
