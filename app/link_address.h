// Addresses in the text of a view: the bare e-mail addresses that a view
// marks as links itself (the control's URL detection knows only addresses
// that begin with a scheme or "www."), and what a click on a link may open.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quillot {

struct TextSpan {
    size_t begin = 0;
    size_t length = 0;
};

// The e-mail addresses (user@example.com) that stand on their own in the
// text: not those that are part of an address with a scheme, such as
// "mailto:user@example.com" or "ftp://user@example.com/".
std::vector<TextSpan> FindBareEmailAddresses(std::wstring_view text);

// True when the whole text is an e-mail address.
bool IsEmailAddress(std::wstring_view text);

// What a click on a link with this text opens: an http, https or ftp address
// as it stands, a "www." address as http, a mailto: address as it stands and
// an e-mail address as mailto:. Empty for anything else (file:, javascript:,
// a UNC path, ...) and for a text with a character that an address never
// holds as itself (a control or format character, a blank, a quote, "\").
std::wstring OpenableAddress(std::wstring_view linkText);

}  // namespace quillot
