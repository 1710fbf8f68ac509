// A hash index over a table of names for lookups in which the first equal
// entry wins: each distinct name keeps the position of its first entry. Names
// compare exactly or ignoring ASCII case, as chosen at construction, so a
// lookup costs one hash and usually one comparison instead of a scan.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quillot {

class NameIndex {
  public:
    explicit NameIndex(bool ignoreAsciiCase) : ignoreAsciiCase_(ignoreAsciiCase) {}

    void Clear();
    // Records the name at the position, unless an equal name is recorded
    // already. Every added name counts, recorded or not.
    void Add(std::string_view name, int32_t position);
    // The position recorded for a name equal to this one, or -1.
    int32_t Find(std::string_view name) const;
    // How many names were added since the last Clear.
    size_t Added() const { return added_; }

  private:
    struct Slot {
        std::string name;
        int32_t position = -1;  // -1: the slot is free
    };

    uint32_t Hash(std::string_view name) const;
    bool Equal(std::string_view a, std::string_view b) const;
    size_t SlotOf(std::string_view name) const;  // the slot holding it, or the free slot to take
    void Grow();

    bool ignoreAsciiCase_;
    std::vector<Slot> slots_;  // a power of two in size, at most half full
    size_t used_ = 0;
    size_t added_ = 0;
};

}  // namespace quillot
