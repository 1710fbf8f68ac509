// Value compositions that the Standard and the Summary view share. Both
// return document text, escaped for RTF only as it is written.
#pragma once

#include <string_view>

#include "report/report_text.h"

namespace quillot {

// The described program's trial limits, from the Expire fields; called only
// when "Has_Expire_Info" has a value.
ReportText ExpiryText();

// "Application_XML_File_URL", or, when the document gives none, a URL rebuilt
// from the document's file name ("h!", "w!", "f!" schemes and "`" for "/"),
// marked with a leading "==". The path is UTF-8; in a single-byte document
// a name that the ANSI code page holds keeps that code page's bytes.
ReportText XmlFileUrl(std::string_view currentFilePath);

}  // namespace quillot
