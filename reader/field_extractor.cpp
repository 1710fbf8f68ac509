#include "reader/field_extractor.h"

#include <algorithm>

#include "reader/pad_document.h"
#include "reader/text_util.h"
#include "reader/vocabulary.h"

namespace quillot {
namespace {

enum class DescriptionState { Before, Inside, After };

// A value of this length or more goes into a paragraph of its own.
constexpr size_t kShortLimit = 80;

// The tag of one line, as the scanner reads it.
struct LineTag {
    std::string_view name;  // without the "/" marks, trimmed; empty: no tag
    bool closing = false;
    bool selfClosing = false;
    bool present = false;    // the line has a non-blank tag text
    std::string_view after;  // the line after the first ">"
};

LineTag ReadLineTag(std::string_view line) {
    LineTag tag;
    const size_t open = line.find('<');
    if (open == std::string_view::npos) return tag;
    const size_t close = line.find('>', open + 1);
    if (close == std::string_view::npos) return tag;
    std::string_view text = TrimView(line.substr(open + 1, close - open - 1));
    if (text.empty()) return tag;
    tag.present = true;
    tag.after = line.substr(close + 1);
    if (text.back() == '/') {
        tag.selfClosing = true;
        text.remove_suffix(1);
    }
    if (!text.empty() && text.front() == '/') {
        tag.closing = true;
        text.remove_prefix(1);
    }
    tag.name = TrimView(text);
    return tag;
}

class Extractor {
  public:
    void Run() {
        for (size_t i = 0; i < SourceLines.Count(); ++i)
            ScanLine(SourceLines[i]);
        // A field still open when the lines run out is dropped.
    }

  private:
    void ScanLine(std::string_view line) {
        const LineTag tag = ReadLineTag(line);
        if (!tag.present) {
            if (!pending_.empty()) {
                const size_t from = pending_.size();
                pending_ += CR;
                pending_ += TrimView(line);
                NoteMarkup(from);
            }
            return;
        }
        const int32_t known = tag.name.empty() ? -1 : FindPadTag(tag.name);
        if (known >= 0) {
            fieldOpen_ = true;
            if (pending_.empty()) {
                pending_.assign(tag.after);
                NoteMarkup(0);
            }
            pendingTag_ = known;
        } else if (!fieldOpen_) {
            ChangeDescriptionState(tag.name);
            return;
        }
        bool closing = tag.closing;
        if (tag.selfClosing) {
            closing = true;
            pendingShort_ = 1;
        } else if (RemoveBrokenEndTag()) {
            closing = true;
            pendingShort_ = 1;
        }
        if (closing) CompleteField();
    }

    // Keeps the positions of the pending value's first "<" and of the first
    // ">" after it up to date after text was added from position `from` on.
    // The value only grows until the field completes, so once found they stay.
    void NoteMarkup(size_t from) {
        if (from == 0) lt_ = gt_ = std::string::npos;
        if (lt_ == std::string::npos) {
            lt_ = pending_.find('<', from);
            if (lt_ == std::string::npos) return;
        }
        if (gt_ == std::string::npos) gt_ = pending_.find('>', std::max(lt_ + 1, from));
    }

    // An end tag broken by a line end reaches the pending value as text lines;
    // when its pieces name the open element they are cut out and end the field.
    bool RemoveBrokenEndTag() {
        if (lt_ == std::string::npos || gt_ == std::string::npos) return false;
        std::string_view inner =
            TrimView(std::string_view(pending_).substr(lt_ + 1, gt_ - lt_ - 1));
        if (inner.empty() || inner.front() != '/') return false;
        const std::string& openTagName = PadTagTable[static_cast<size_t>(pendingTag_)];
        if (!EqualsIgnoreAsciiCase(TrimView(inner.substr(1)), openTagName)) return false;
        pending_.erase(lt_, gt_ - lt_ + 1);
        return true;
    }

    void CompleteField() {
        std::string value = DecodedValue(TrimView(pending_));
        const bool hasCrAndLf =
            value.find(CR) != std::string::npos && value.find(LF) != std::string::npos;
        if (value.size() < kShortLimit && !hasCrAndLf) pendingShort_ = 1;
        if (!value.empty()) AddPadField(std::move(value), section_, pendingTag_, pendingShort_);
        fieldOpen_ = false;
        pendingShort_ = 0;
        pending_.clear();
        lt_ = gt_ = std::string::npos;
    }

    // The trimmed pending value with its entities decoded, trimmed again.
    static std::string DecodedValue(std::string_view trimmed) {
        if (trimmed.find('&') == std::string_view::npos) return std::string(trimmed);
        std::string value = DecodeEntities(trimmed);
        const std::string_view kept = TrimView(value);
        if (kept.size() != value.size()) {
            value.erase(0, static_cast<size_t>(kept.data() - value.data()));
            value.resize(kept.size());
        }
        return value;
    }

    void ChangeDescriptionState(std::string_view name) {
        const bool isDescriptions = EqualsIgnoreAsciiCase(name, "Program_Descriptions");
        switch (state_) {
            case DescriptionState::Before:
                if (isDescriptions) state_ = DescriptionState::Inside;
                break;
            case DescriptionState::Inside:
                if (isDescriptions) {
                    state_ = DescriptionState::After;
                    section_.clear();
                } else {
                    section_.assign(name);
                }
                break;
            case DescriptionState::After:
                break;
        }
    }

    std::string pending_;
    size_t lt_ = std::string::npos;  // first "<" of pending_
    size_t gt_ = std::string::npos;  // first ">" after it
    bool fieldOpen_ = false;
    int32_t pendingTag_ = 0;  // while a field is open, its name is PadTagTable[pendingTag_]
    int32_t pendingShort_ = 0;
    DescriptionState state_ = DescriptionState::Before;
    std::string section_;
};

}  // namespace

void AddPadField(std::string value, std::string section, int32_t tagNumber, int32_t isShort) {
    PadFieldList.Add(PadField{std::move(value), std::move(section), tagNumber, isShort});
}

void ExtractPadFields() {
    PadFieldList.Clear();
    if (SourceLines.Empty()) return;
    Extractor().Run();
}

std::string DecodeEntities(std::string_view text) {
    // Scans once from left to right. A decoded character is never examined
    // again, a name of seven or more characters is skipped up to its ";", an
    // unknown name up to after its ";", and a "&" without a later ";" ends
    // the decoding.
    std::string result;
    result.reserve(text.size());
    size_t done = 0;  // text before this position is in result
    for (;;) {
        const size_t amp = text.find('&', done);
        if (amp == std::string_view::npos) break;
        const size_t semi = text.find(';', amp + 1);
        if (semi == std::string_view::npos) break;
        if (semi - amp >= 8) {
            result.append(text.substr(done, semi - done));
            done = semi;
            continue;
        }
        const EntityEntry* entity = FindEntity(text.substr(amp + 1, semi - amp - 1));
        if (entity != nullptr) {
            result.append(text.substr(done, amp - done));
            result += entity->Character;
        } else {
            result.append(text.substr(done, semi + 1 - done));
        }
        done = semi + 1;
    }
    result.append(text.substr(done));
    return result;
}

}  // namespace quillot
