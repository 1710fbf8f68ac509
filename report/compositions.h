// Value compositions that the Standard and the Summary view share. Both
// return document text, not yet escaped for RTF.
#pragma once

#include <string>
#include <string_view>

namespace quillot {

// The described program's trial limits, from the Expire fields; called only
// when "Has_Expire_Info" has a value.
std::string ExpiryText();

// "Application_XML_File_URL", or, when the document gives none, a URL rebuilt
// from the document's file name ("h!", "w!", "f!" schemes and "`" for "/"),
// marked with a leading "==".
std::string XmlFileUrl(std::string_view currentFilePath);

}  // namespace quillot
