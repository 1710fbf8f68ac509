#include "reader/field_extractor.h"

#include <algorithm>
#include <cstring>

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
    // The splitter puts a line's only "<" first.
    const size_t open = !line.empty() && line[0] == '<' ? 0 : line.find('<');
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

// Collects each value right where PadFieldList keeps it (its pending value),
// so that no value is copied on its way into the list.
class Extractor {
  public:
    void Run() {
        // A value is made of the text of lines, joined by one CR where their
        // LFs stand, and only shrinks on the way: room for all line text
        // holds every value, which then never moves.
        const LineTable& lines = CurrentSourceLines();
        list_.ReserveValues(lines.TextBytes());
        for (std::string_view line : lines)
            ScanLine(line);
        // A field still open when the lines run out is dropped.
        list_.ClearPending();
    }

  private:
    std::string_view Pending() const { return list_.Pending(); }

    void ScanLine(std::string_view line) {
        const LineTag tag = ReadLineTag(line);
        if (!tag.present) {
            // Text of an open field; it may begin on the line after the tag.
            if (fieldOpen_) {
                const size_t from = Pending().size();
                if (from > 0) list_.AppendToPending(CR);
                list_.AppendToPending(TrimView(line));
                NoteMarkup(from);
            }
            return;
        }
        int32_t known = -1;
        if (fieldOpen_ && tag.name == PadTagTable[static_cast<size_t>(pendingTag_)]) {
            known = pendingTag_;  // the open field's end tag, found without a lookup
        } else if (!tag.name.empty()) {
            known = FindPadTag(tag.name);
        }
        if (known >= 0) {
            fieldOpen_ = true;
            if (Pending().empty()) {
                list_.AppendToPending(tag.after);
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
        const std::string_view pending = Pending();
        if (from == 0) lt_ = gt_ = std::string::npos;
        if (lt_ == std::string::npos) {
            lt_ = pending.find('<', from);
            if (lt_ == std::string::npos) return;
        }
        if (gt_ == std::string::npos) gt_ = pending.find('>', std::max(lt_ + 1, from));
    }

    // An end tag broken by a line end reaches the pending value as text lines;
    // when its pieces name the open element they are cut out and end the field.
    bool RemoveBrokenEndTag() {
        if (lt_ == std::string::npos || gt_ == std::string::npos) return false;
        std::string_view inner = TrimView(Pending().substr(lt_ + 1, gt_ - lt_ - 1));
        if (inner.empty() || inner.front() != '/') return false;
        const std::string& openTagName = PadTagTable[static_cast<size_t>(pendingTag_)];
        if (!EqualsIgnoreAsciiCase(TrimView(inner.substr(1)), openTagName)) return false;
        list_.ErasePending(lt_, gt_ - lt_ + 1);
        return true;
    }

    void CompleteField() {
        TrimPending();
        if (Pending().find('&') != std::string_view::npos) {
            const std::string_view pending = Pending();
            list_.KeepOfPending(
                0, DecodeEntitiesInPlace(list_.PendingData(), pending.size(), encoding_));
            TrimPending();
        }
        const std::string_view value = Pending();
        const bool hasCrAndLf =
            value.find(CR) != std::string::npos && value.find(LF) != std::string::npos;
        if (value.size() < kShortLimit && !hasCrAndLf) pendingShort_ = 1;
        if (!value.empty()) {
            if (sectionChanged_) {
                sectionNumber_ = list_.SectionFor(section_);
                sectionChanged_ = false;
            }
            list_.StorePending(sectionNumber_, pendingTag_, pendingShort_);
        }
        fieldOpen_ = false;
        pendingShort_ = 0;
        lt_ = gt_ = std::string::npos;
    }

    void TrimPending() {
        const std::string_view pending = Pending();
        const std::string_view kept = TrimView(pending);
        if (kept.size() != pending.size()) {
            list_.KeepOfPending(static_cast<size_t>(kept.data() - pending.data()), kept.size());
        }
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
                sectionChanged_ = true;
                break;
            case DescriptionState::After:
                break;
        }
    }

    FieldTable& list_ = CurrentPadFieldList();
    const TextEncoding encoding_ = SourceEncoding;
    size_t lt_ = std::string::npos;  // first "<" of the pending value
    size_t gt_ = std::string::npos;  // first ">" after it
    bool fieldOpen_ = false;
    int32_t pendingTag_ = 0;  // while a field is open, its name is PadTagTable[pendingTag_]
    int32_t pendingShort_ = 0;
    DescriptionState state_ = DescriptionState::Before;
    std::string section_;
    // The section's number in PadFieldList, asked for again (with the name)
    // only when a field completes after the section changed.
    uint32_t sectionNumber_ = 0;
    bool sectionChanged_ = false;
};

}  // namespace

void AddPadField(std::string_view value, std::string_view section, int32_t tagNumber,
                 int32_t isShort) {
    PadFieldList.Add(value, section, tagNumber, isShort);
}

void ExtractPadFields() {
    PadFieldList.Clear();
    if (SourceLines.Empty()) return;
    Extractor().Run();
}

std::string DecodeEntities(std::string_view text, TextEncoding encoding) {
    std::string result(text);
    result.resize(DecodeEntitiesInPlace(result.data(), result.size(), encoding));
    return result;
}

namespace {

// The code point that a numeric character reference names ("#" and 1 to 7
// decimal digits, or "#x" and 1 to 6 hexadecimal ones, between "&" and
// ";"), or -1 for any other name.
int64_t NumericReference(std::string_view name) {
    if (name.size() < 2 || name[0] != '#') return -1;
    const bool hex = name[1] == 'x' || name[1] == 'X';
    const std::string_view digits = name.substr(hex ? 2 : 1);
    if (digits.empty() || digits.size() > (hex ? 6u : 7u)) return -1;
    int64_t value = 0;
    for (const char c : digits) {
        int digit = -1;
        if (c >= '0' && c <= '9') {
            digit = c - '0';
        } else if (hex && c >= 'a' && c <= 'f') {
            digit = c - 'a' + 10;
        } else if (hex && c >= 'A' && c <= 'F') {
            digit = c - 'A' + 10;
        }
        if (digit < 0) return -1;
        value = value * (hex ? 16 : 10) + digit;
    }
    return value;
}

// The bytes of the code point in the document's encoding, and how many;
// 0 when the reference is not taken: a control character, a surrogate,
// beyond U+10FFFF, or a character that Windows-1252 does not have.
size_t EncodeReference(int64_t codePoint, TextEncoding encoding, char* out) {
    const bool printable =
        (codePoint >= 0x20 && codePoint <= 0x7E) || (codePoint >= 0xA0 && codePoint <= 0x10FFFF &&
                                                     !(codePoint >= 0xD800 && codePoint <= 0xDFFF));
    if (!printable) return 0;
    const auto cp = static_cast<uint32_t>(codePoint);
    if (encoding == TextEncoding::Utf8) return EncodeUtf8(cp, out);
    const int byte = Windows1252ByteOf(cp);
    if (byte < 0) return 0;
    out[0] = static_cast<char>(byte);
    return 1;
}

}  // namespace

size_t DecodeEntitiesInPlace(char* text, size_t size, TextEncoding encoding) {
    // Scans once from left to right. A decoded character is never examined
    // again, a name of seven or more characters is skipped up to its ";", an
    // unknown name up to after its ";", and a "&" without a later ";" ends
    // the decoding. The text only shrinks (a reference is longer than the
    // bytes it stands for), so what is written never reaches what is still
    // to be read.
    const std::string_view view(text, size);
    size_t done = 0;  // text before this position has been read
    size_t out = 0;   // and this much of it written
    auto keep = [&](size_t end) {
        std::memmove(text + out, text + done, end - done);
        out += end - done;
        done = end;
    };
    for (;;) {
        const size_t amp = view.find('&', done);
        if (amp == std::string_view::npos) break;
        const size_t semi = view.find(';', amp + 1);
        if (semi == std::string_view::npos) break;
        const std::string_view name = view.substr(amp + 1, semi - amp - 1);
        if (!name.empty() && name[0] == '#') {
            char bytes[4];
            const size_t written = EncodeReference(NumericReference(name), encoding, bytes);
            if (written > 0) {
                keep(amp);
                std::memcpy(text + out, bytes, written);
                out += written;
                done = semi + 1;
                continue;
            }
        }
        if (semi - amp >= 8) {
            keep(semi);
            continue;
        }
        const EntityEntry* entity = FindEntity(name);
        if (entity != nullptr) {
            keep(amp);
            text[out++] = entity->Character;
            done = semi + 1;
        } else {
            keep(semi + 1);
        }
    }
    keep(size);
    return out;
}

}  // namespace quillot
