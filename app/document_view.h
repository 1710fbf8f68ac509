// One read-only rich-edit view of the main window. It shows the file it last
// loaded: RTF content rendered, anything else as plain text.
#pragma once

#include <windows.h>
#include <richedit.h>

#include <string>

namespace quillot {

class DocumentView {
  public:
    // Creates the control as a hidden child of `parent`; false on failure.
    bool Create(HWND parent, int id);
    HWND Handle() const { return hwnd_; }

    // Replaces the whole content with the file's. False when it cannot be read.
    bool LoadFile(const std::string& path);
    void SetBackground(COLORREF color);
    // The font (face, size, colour, style) for the whole text and what follows.
    void SetFont(const CHARFORMAT2A& format);
    void SetTextColor(COLORREF color);
    // The text as shown (without formatting).
    std::string Text() const;

  private:
    void ApplyFont();

    HWND hwnd_ = nullptr;
    bool hasFont_ = false;
    CHARFORMAT2A font_ = {};
};

// Loads the rich-edit library once; false when it is missing.
bool LoadRichEditLibrary();

}  // namespace quillot
