#include "render/ordered_output.h"

#include <new>

namespace quillot {

FileOutput::FileOutput(OrderedOutput& owner, size_t index)
    : owner_(owner),
      index_(index),
      outChannel_(*this, owner.out_),
      errChannel_(*this, owner.err_),
      out_(&outChannel_),
      err_(&errChannel_) {}

FileOutput::~FileOutput() {
    owner_.Finish(*this);
}

void FileOutput::GoStraight() {
    // A file's messages come before its fields: the first message is
    // written before the first field is.
    owner_.Write(owner_.err_, errChannel_.held);
    owner_.Write(owner_.out_, outChannel_.held);
    errChannel_.held = std::string();
    outChannel_.held = std::string();
    straight_ = true;
}

std::streamsize FileOutput::Channel::xsputn(const char* text, std::streamsize size) {
    if (!file_.straight_) {
        if (file_.owner_.IsTurnOf(file_.index_)) {
            file_.GoStraight();
        } else {
            bool full = true;
            try {
                held.append(text, static_cast<size_t>(size));
                full = file_.outChannel_.held.size() + file_.errChannel_.held.size() >
                       OrderedOutput::kFileLimit;
                if (!full) return size;
            } catch (const std::bad_alloc&) {
                // Not held back: written in its turn, like a large output.
            }
            file_.owner_.WaitForTurnOf(file_.index_);
            file_.GoStraight();
            if (full) return size;  // the text was held and is written now
        }
    }
    file_.owner_.Write(target_, std::string_view(text, static_cast<size_t>(size)));
    return target_ ? size : 0;
}

FileOutput::Channel::int_type FileOutput::Channel::overflow(int_type c) {
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    const char ch = traits_type::to_char_type(c);
    return xsputn(&ch, 1) == 1 ? c : traits_type::eof();
}

void OrderedOutput::WaitForRoom() {
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait(lock, [this] { return heldBytes_ <= kTotalLimit; });
}

void OrderedOutput::WaitForTurnOf(size_t index) {
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait(lock, [this, index] { return IsTurnOf(index); });
}

void OrderedOutput::Write(std::ostream& target, std::string_view text) {
    if (text.empty()) return;
    target.write(text.data(), static_cast<std::streamsize>(text.size()));
    if (&target == &out_ && !target) outFailed_.store(true, std::memory_order_release);
}

void OrderedOutput::Finish(FileOutput& file) {
    std::unique_lock<std::mutex> lock(mutex_);
    if (!IsTurnOf(file.index_)) {
        try {
            Held& held = finished_[file.index_];
            held.out.swap(file.outChannel_.held);
            held.err.swap(file.errChannel_.held);
            heldBytes_ += held.out.size() + held.err.size();
            return;
        } catch (const std::bad_alloc&) {
            changed_.wait(lock, [this, &file] { return IsTurnOf(file.index_); });
        }
    }
    if (!file.straight_) file.GoStraight();
    size_t next = file.index_ + 1;
    for (auto it = finished_.begin(); it != finished_.end() && it->first == next;
         it = finished_.erase(it), ++next) {
        Write(err_, it->second.err);
        Write(out_, it->second.out);
        heldBytes_ -= it->second.out.size() + it->second.err.size();
    }
    turn_.store(next, std::memory_order_release);
    lock.unlock();
    changed_.notify_all();
}

}  // namespace quillot
