#include "app/report_font.h"

#include "report/rtf_text.h"

namespace quillot {

LOGFONTA ReportFont::ToLogFont(int pixelsPerInch) const {
    LOGFONTA font = {};
    font.lfHeight = -MulDiv(size, pixelsPerInch, 72);
    font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    font.lfItalic = italic;
    font.lfUnderline = underline;
    font.lfStrikeOut = strikeOut;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfOutPrecision = OUT_DEFAULT_PRECIS;
    font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    font.lfQuality = DEFAULT_QUALITY;
    font.lfPitchAndFamily = DEFAULT_PITCH;
    lstrcpynA(font.lfFaceName, face.c_str(), LF_FACESIZE);
    return font;
}

CHARFORMAT2A ReportFont::ToCharFormat() const {
    CHARFORMAT2A format = {};
    format.cbSize = sizeof format;
    format.dwMask = CFM_FACE | CFM_SIZE | CFM_COLOR | CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE |
                    CFM_STRIKEOUT | CFM_CHARSET;
    format.yHeight = size * 20;  // twips
    format.crTextColor = color & 0x00FFFFFF;
    format.bCharSet = DEFAULT_CHARSET;
    if (bold) format.dwEffects |= CFE_BOLD;
    if (italic) format.dwEffects |= CFE_ITALIC;
    if (underline) format.dwEffects |= CFE_UNDERLINE;
    if (strikeOut) format.dwEffects |= CFE_STRIKEOUT;
    lstrcpynA(format.szFaceName, face.c_str(), LF_FACESIZE);
    return format;
}

ReportFontSurface::ReportFontSurface() : dc_(CreateCompatibleDC(nullptr)) {}

ReportFontSurface::~ReportFontSurface() {
    if (originalFont_) SelectObject(dc_, originalFont_);
    if (font_) DeleteObject(font_);
    if (dc_) DeleteDC(dc_);
}

void ReportFontSurface::Apply(const ReportFont& font) {
    const LOGFONTA logFont = font.ToLogFont(GetDeviceCaps(dc_, LOGPIXELSY));
    HFONT handle = CreateFontIndirectA(&logFont);
    HGDIOBJ previous = SelectObject(dc_, handle);
    if (!originalFont_) originalFont_ = previous;
    if (font_) DeleteObject(font_);
    font_ = handle;
    face_ = font.face;
}

std::string ReportFontSurface::FontTableEntry() const {
    TEXTMETRICA tm;
    SetLastError(0);
    const FontMetrics metrics = dc_ && GetTextMetricsA(dc_, &tm)
                                    ? FontMetrics::Answered(tm.tmPitchAndFamily)
                                    : FontMetrics::Failed(GetLastError());
    return quillot::FontTableEntry(metrics, face_);
}

}  // namespace quillot
