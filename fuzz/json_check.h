// A small, strict JSON reader for the fuzz checks (RFC 8259 without
// extensions): it reads one JSON text that must be an object and answers its
// members in order, string values decoded to UTF-8. It is written apart from
// the JSON writer it checks, and shares nothing with it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quillot::fuzz {

enum class JsonKind { String, Number, True, False, Null, Object, Array };

struct JsonMember {
    std::string_view name;
    JsonKind kind = JsonKind::Null;
    // A string's decoded text; a number's literal; the raw text of an object
    // or an array.
    std::string_view text;
};

// The members of the object last read, their decoded texts kept in
// `storage`. Read into the same JsonObject again, it reuses its storage.
struct JsonObject {
    std::vector<JsonMember> members;
    std::string storage;
};

// True when the bytes are valid UTF-8: shortest forms only, no surrogates,
// nothing above U+10FFFF.
bool IsStrictUtf8(std::string_view text);

// Reads `text` as one JSON object, whitespace allowed around it and between
// its tokens. Rejects anything else: invalid UTF-8, control characters in
// strings, unknown or lone-surrogate escapes, numbers with leading zeros or
// bare dots, trailing commas, duplicate member names, nesting deeper than 64.
// On failure `error` says what and where.
bool ReadJsonObject(std::string_view text, JsonObject& object, std::string& error);

}  // namespace quillot::fuzz
