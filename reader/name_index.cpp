#include "reader/name_index.h"

#include "reader/text_util.h"

namespace quillot {

void NameIndex::Clear() {
    slots_.clear();
    used_ = 0;
    added_ = 0;
}

uint32_t NameIndex::Hash(std::string_view name) const {
    // The length and four characters (first, middle, third from last, last)
    // tell the names of a vocabulary apart well enough; names that share them
    // only cost a further comparison.
    const size_t n = name.size();
    uint32_t hash = static_cast<uint32_t>(n) * 0x9E3779B1u;
    if (n == 0) return hash;
    const auto at = [&](size_t i) -> uint32_t {
        const char c = name[i];
        return static_cast<unsigned char>(ignoreAsciiCase_ ? ToAsciiUpper(c) : c);
    };
    hash ^= at(0) | at(n / 2) << 8 | at(n >= 3 ? n - 3 : 0) << 16 | at(n - 1) << 24;
    hash *= 0x85EBCA6Bu;
    return hash ^ (hash >> 16);
}

bool NameIndex::Equal(std::string_view a, std::string_view b) const {
    return ignoreAsciiCase_ ? EqualsIgnoreAsciiCase(a, b) : a == b;
}

size_t NameIndex::SlotOf(std::string_view name) const {
    const size_t mask = slots_.size() - 1;
    for (size_t i = Hash(name) & mask;; i = (i + 1) & mask) {
        const Slot& slot = slots_[i];
        if (slot.position < 0 || Equal(slot.name, name)) return i;
    }
}

void NameIndex::Grow() {
    std::vector<Slot> old;
    old.swap(slots_);
    slots_.resize(old.empty() ? 64 : old.size() * 2);
    for (Slot& slot : old) {
        if (slot.position >= 0) slots_[SlotOf(slot.name)] = std::move(slot);
    }
}

void NameIndex::Add(std::string_view name, int32_t position) {
    ++added_;
    if ((used_ + 1) * 2 > slots_.size()) Grow();
    Slot& slot = slots_[SlotOf(name)];
    if (slot.position >= 0) return;  // an earlier entry has this name
    slot.name.assign(name);
    slot.position = position;
    ++used_;
}

int32_t NameIndex::Find(std::string_view name) const {
    if (slots_.empty()) return -1;
    return slots_[SlotOf(name)].position;
}

}  // namespace quillot
