// Field lookups as the Standard and Summary views use them. The values are
// views into PadFieldList, escaped for RTF only as they are written.
#pragma once

#include <initializer_list>
#include <string_view>

#include "reader/pad_document.h"
#include "report/report_text.h"
#include "report/rtf_text.h"

namespace quillot {

// A field's value, or empty text.
inline ReportText Field(const char* tag) {
    return ReportText::Document(FieldValueView(tag), SourceEncoding);
}

// The first of the tags that has a value, or empty text.
inline ReportText FirstField(std::initializer_list<const char*> tags) {
    for (const char* tag : tags) {
        ReportText value = Field(tag);
        if (!value.empty()) return value;
    }
    return ReportText();
}

// FirstField with EnglishOnly on, falling back to any language when no
// English value exists; EnglishOnly stays as the last attempt set it.
inline ReportText FirstFieldPreferringEnglish(std::initializer_list<const char*> tags) {
    EnglishOnly = true;
    ReportText value = FirstField(tags);
    if (value.empty()) {
        EnglishOnly = false;
        value = FirstField(tags);
    }
    return value;
}

}  // namespace quillot
