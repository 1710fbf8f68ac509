// Field lookups as the Standard and Summary views use them.
#pragma once

#include <initializer_list>
#include <string>

#include "reader/pad_document.h"
#include "report/rtf_text.h"

namespace quillot {

// Text of the current document escaped for RTF, in the document's encoding.
inline std::string DocumentText(std::string_view text) {
    return EscapeRtf(text, SourceEncoding);
}

// A field's value escaped for RTF, or empty text.
inline std::string Field(const char* tag) {
    return DocumentText(FieldValueView(tag));
}

// The first of the tags that has a value (escaped), or empty text.
inline std::string FirstField(std::initializer_list<const char*> tags) {
    for (const char* tag : tags) {
        std::string value = Field(tag);
        if (!value.empty()) return value;
    }
    return std::string();
}

// FirstField with EnglishOnly on, falling back to any language when no
// English value exists; EnglishOnly stays as the last attempt set it.
inline std::string FirstFieldPreferringEnglish(std::initializer_list<const char*> tags) {
    EnglishOnly = true;
    std::string value = FirstField(tags);
    if (value.empty()) {
        EnglishOnly = false;
        value = FirstField(tags);
    }
    return value;
}

}  // namespace quillot
