#include "app/link_address.h"

namespace quillot {
namespace {

bool IsAsciiLetter(wchar_t c) {
    return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z');
}

bool IsAsciiAlnum(wchar_t c) {
    return IsAsciiLetter(c) || (c >= L'0' && c <= L'9');
}

bool IsLocalChar(wchar_t c) {
    return IsAsciiAlnum(c) || c == L'.' || c == L'_' || c == L'%' || c == L'+' || c == L'-';
}

bool IsDomainChar(wchar_t c) {
    return IsAsciiAlnum(c) || c == L'.' || c == L'-';
}

// Characters before an e-mail address that make it part of another address:
// a scheme ("mailto:", "ftp://user:password@"), a path or a query.
bool JoinsAnAddress(wchar_t c) {
    return c == L':' || c == L'/' || c == L'\\' || c == L'@' || c == L'=' || c == L'&' ||
           c == L'?' || c == L'#';
}

// Labels of letters, digits and hyphens (none at either end) between dots,
// at least two, the last one of two letters or more.
bool IsDomain(std::wstring_view domain) {
    size_t labels = 0;
    size_t start = 0;
    for (;;) {
        const size_t dot = domain.find(L'.', start);
        const std::wstring_view label =
            domain.substr(start, dot == std::wstring_view::npos ? dot : dot - start);
        if (label.empty() || label.front() == L'-' || label.back() == L'-') return false;
        ++labels;
        if (dot == std::wstring_view::npos) {
            if (labels < 2 || label.size() < 2) return false;
            for (wchar_t c : label) {
                if (!IsAsciiLetter(c)) return false;
            }
            return true;
        }
        start = dot + 1;
    }
}

// Characters that an address never holds as themselves: controls, blanks,
// format characters (which can make a text look like another), and those
// that must always be escaped in an address ("\" among them, so no UNC
// path gets through).
bool NeverInAnAddress(wchar_t c) {
    if (c <= 0x20 || c == 0x7F || (c >= 0x80 && c <= 0xA0) || c == 0xAD) return true;
    if ((c >= 0x200B && c <= 0x200F) || (c >= 0x2028 && c <= 0x202E) ||
        (c >= 0x2060 && c <= 0x206F) || c == 0xFEFF || (c >= 0xFFF9 && c <= 0xFFFB)) {
        return true;
    }
    return std::wstring_view(L"\"<>\\^`{|}").find(c) != std::wstring_view::npos;
}

bool StartsWithIgnoringAsciiCase(std::wstring_view text, std::wstring_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (size_t i = 0; i < prefix.size(); ++i) {
        wchar_t c = text[i];
        if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
        if (c != prefix[i]) return false;
    }
    return true;
}

}  // namespace

std::vector<TextSpan> FindBareEmailAddresses(std::wstring_view text) {
    std::vector<TextSpan> found;
    size_t from = 0;
    for (size_t at = text.find(L'@'); at != std::wstring_view::npos; at = text.find(L'@', from)) {
        from = at + 1;
        size_t begin = at;
        while (begin > 0 && IsLocalChar(text[begin - 1]))
            --begin;
        if (begin > 0 && JoinsAnAddress(text[begin - 1])) continue;
        while (begin < at && text[begin] == L'.')
            ++begin;
        if (begin == at || text[at - 1] == L'.') continue;
        size_t end = at + 1;
        while (end < text.size() && IsDomainChar(text[end]))
            ++end;
        while (end > at + 1 && (text[end - 1] == L'.' || text[end - 1] == L'-'))
            --end;
        if (!IsDomain(text.substr(at + 1, end - at - 1))) continue;
        if (end < text.size() && (text[end] == L'/' || text[end] == L'@' || text[end] == L'\\')) {
            continue;
        }
        found.push_back({begin, end - begin});
        from = end;
    }
    return found;
}

bool IsEmailAddress(std::wstring_view text) {
    const std::vector<TextSpan> found = FindBareEmailAddresses(text);
    return found.size() == 1 && found[0].begin == 0 && found[0].length == text.size();
}

std::wstring OpenableAddress(std::wstring_view linkText) {
    for (wchar_t c : linkText) {
        if (NeverInAnAddress(c)) return std::wstring();
    }
    for (std::wstring_view scheme : {L"http://", L"https://", L"ftp://"}) {
        if (!StartsWithIgnoringAsciiCase(linkText, scheme)) continue;
        const std::wstring_view rest = linkText.substr(scheme.size());
        if (rest.empty() || rest.front() == L'/') return std::wstring();
        return std::wstring(linkText);
    }
    constexpr std::wstring_view kMailto = L"mailto:";
    if (StartsWithIgnoringAsciiCase(linkText, kMailto)) {
        const std::wstring_view rest = linkText.substr(kMailto.size());
        return IsEmailAddress(rest.substr(0, rest.find(L'?'))) ? std::wstring(linkText)
                                                               : std::wstring();
    }
    constexpr std::wstring_view kWww = L"www.";
    if (StartsWithIgnoringAsciiCase(linkText, kWww)) {
        if (linkText.size() == kWww.size()) return std::wstring();
        return L"http://" + std::wstring(linkText);
    }
    if (IsEmailAddress(linkText)) return L"mailto:" + std::wstring(linkText);
    return std::wstring();
}

}  // namespace quillot
