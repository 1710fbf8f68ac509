// One read-only rich-edit view of the main window. It shows the file it last
// loaded, either as plain text (read as UTF-8 or as single-byte text) or, for
// the program's own report files, as RTF: the caller says which.
#pragma once

#include <windows.h>
#include <richedit.h>

#include <string>

#include "reader/text_encoding.h"

namespace quillot {

// How a view reads a file. The caller decides: a document is always shown as
// plain text, whatever its content looks like; only report files are RTF.
enum class ViewFormat { PlainText, Rtf };

class DocumentView {
  public:
    // Creates the control as a hidden child of `parent`; false on failure.
    bool Create(HWND parent, int id);
    HWND Handle() const { return hwnd_; }

    // Replaces the whole content with the file's, read in the format given;
    // plain text is decoded as `textEncoding` says. False when it cannot be
    // read.
    bool LoadFile(const std::string& path, ViewFormat format,
                  TextEncoding textEncoding = TextEncoding::Windows1252);
    // Empties the view.
    void Clear();
    void SetBackground(COLORREF color);
    // The font (face, size, colour, style) for the whole text and what follows.
    void SetFont(const CHARFORMAT2A& format);
    void SetTextColor(COLORREF color);
    // The text as shown (without formatting), in the ANSI code page.
    std::string Text() const;
    // The same as UTF-16, every character as itself.
    std::wstring UnicodeText() const;

  private:
    // Replaces the content with what the callback delivers, in this format.
    bool StreamIn(WPARAM format, EDITSTREAMCALLBACK callback, DWORD_PTR cookie);
    void ApplyFont();

    HWND hwnd_ = nullptr;
    bool hasFont_ = false;
    CHARFORMAT2A font_ = {};
};

// Loads the rich-edit library of the system folder once; false when it is missing.
bool LoadRichEditLibrary();

}  // namespace quillot
