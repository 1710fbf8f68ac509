// The report font: its settings, and an invisible drawing surface that holds
// it so that its text metrics can be asked for (the RTF font table needs the
// family). Also the character format with which the Source view shows it.
#pragma once

#include <windows.h>
#include <richedit.h>

#include <cstdint>
#include <string>

namespace quillot {

constexpr size_t MaxFontFaceLength = 255;

struct ReportFont {
    std::string face = "Arial";
    int32_t size = 8;    // points
    COLORREF color = 0;  // the XML colour of the Format menu
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;

    LOGFONTA ToLogFont(int pixelsPerInch) const;
    // Face, size, colour and style for a rich-edit control.
    CHARFORMAT2A ToCharFormat() const;
};

class ReportFontSurface {
  public:
    ReportFontSurface();
    ~ReportFontSurface();
    ReportFontSurface(const ReportFontSurface&) = delete;
    ReportFontSurface& operator=(const ReportFontSurface&) = delete;

    // Selects a font made from these settings into the surface.
    void Apply(const ReportFont& font);
    // What follows "{\fonttbl{\f0\" in the reports: family, pitch-and-family
    // number and face, from GetTextMetricsA on the surface.
    std::string FontTableEntry() const;

  private:
    HDC dc_;
    HFONT font_ = nullptr;
    HGDIOBJ originalFont_ = nullptr;
    std::string face_;
};

}  // namespace quillot
