// The two vocabulary tables of the reader (the 76 PAD element names and the
// character entities) and the one-time set-up that fills them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quillot {

struct EntityEntry {
    std::string Name;  // between "&" and ";", compared exactly
    char Character;
};

constexpr int32_t PadTagCapacity = 996;
constexpr int32_t EntityCapacity = 201;

// Filled through AddPadTag and AddEntity (InitPadReader does it); FindPadTag
// and FindEntity look names up through indexes that these keep in step.
extern std::vector<std::string> PadTagTable;
extern std::vector<EntityEntry> EntityTable;

void AddPadTag(std::string_view name);
void AddEntity(std::string_view name, char character);

// Index of the first PadTagTable entry equal to the name ignoring ASCII case, or -1.
int32_t FindPadTag(std::string_view name);
// The first EntityTable entry with exactly this name, or nullptr.
const EntityEntry* FindEntity(std::string_view name);

// What the set-up needs from its platform.
struct ReaderSetup {
    bool devMode = false;        // isDev of section "Debug"
    std::string programPath;     // full path of the program file
    std::string systemTempPath;  // the platform's temporary folder
};

// Chooses TempFolder and fills PadTagTable and EntityTable. Calling it again
// starts the tables afresh.
void InitPadReader(const ReaderSetup& setup);

}  // namespace quillot
