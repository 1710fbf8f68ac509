// One read-only rich-edit view of the main window. It shows the file it last
// loaded, either as plain text (read as UTF-8 or as single-byte text) or, for
// the program's own report files, as RTF: the caller says which.
//
// A plain text goes in a piece at a time: the first piece at once, the rest
// between the window's messages, so that a long text never stops the window
// from repainting or answering keys. Of a file longer than SourceViewByteLimit
// the view shows the beginning, followed by a line that says how much of the
// file that is and how to see the rest.
#pragma once

#include <windows.h>
#include <richedit.h>

#include <cstdint>
#include <memory>
#include <string>

#include "reader/text_encoding.h"

namespace quillot {

// How a view reads a file. The caller decides: a document is always shown as
// plain text, whatever its content looks like; only report files are RTF.
enum class ViewFormat { PlainText, Rtf };

// The most bytes of a file that a plain-text view shows; a longer file is cut
// back to the end of the last whole line within them.
constexpr uint64_t SourceViewByteLimit = 512 * 1024;

// The line that follows the part of a cut file that the view shows.
std::wstring CutFileNote(uint64_t shownBytes, uint64_t fileBytes);

class DocumentView {
  public:
    DocumentView() = default;
    ~DocumentView();
    DocumentView(const DocumentView&) = delete;
    DocumentView& operator=(const DocumentView&) = delete;

    // Creates the control as a hidden child of `parent`; false on failure.
    bool Create(HWND parent, int id);
    HWND Handle() const { return hwnd_; }

    // Replaces the whole content with the file's, read in the format given;
    // plain text is decoded as `textEncoding` says. False when it cannot be
    // read. A long plain text is still going in when this returns (Filling).
    bool LoadFile(const std::string& path, ViewFormat format,
                  TextEncoding textEncoding = TextEncoding::Windows1252);
    // True while the rest of a plain text goes in between messages.
    bool Filling() const { return fill_ != nullptr && IsWindow(hwnd_); }
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
    // The text of the characters in the range, as UTF-16.
    std::wstring TextOf(const CHARRANGE& range) const;

    // Shows addresses as links that report clicks to the parent (EN_LINK):
    // those the control detects itself (a scheme or "www." first) and, in
    // every RTF file loaded from now on, the bare e-mail addresses.
    void EnableLinks();

    bool HasSelection() const;
    // The selected text as shown, as UTF-16 with CR LF line ends.
    std::wstring SelectedText() const;
    void SelectAll();
    // Selects the next place of the text after the selection (down) or the
    // one before it, and scrolls it into view; false when there is none.
    bool Find(const std::wstring& text, bool down, bool matchCase, bool wholeWord);
    // Puts the rest of a plain text that is still going in into the view now.
    void CompleteFill();

  private:
    // The progress of a plain text going in.
    struct Fill {
        size_t next = 0;        // its first unit not yet in the view
        size_t pieceUnits = 0;  // the size of the next piece
    };

    // A new control for this view, hidden, without text.
    HWND NewControl(HWND parent, int id);
    // Takes the text out of the view, ending a fill.
    void Empty();
    // Replaces the content with what the callback delivers, in this format.
    bool StreamIn(WPARAM format, EDITSTREAMCALLBACK callback, DWORD_PTR cookie);
    // Shows the text: its first piece now, the rest between messages.
    bool ShowPlainText(std::wstring text);
    // Appends the next piece of the text being filled in, keeping the
    // selection and the scroll position; false when the text is complete.
    bool AppendPiece();
    // Appends pieces for a while; ends the fill when the text is complete.
    void FillSome();
    void StopFill();
    static void CALLBACK FillTimer(HWND window, UINT message, UINT_PTR id, DWORD time);
    // The font to the text shown, a long plain text going in again.
    void ApplyFont();
    // The font to the whole text in the view as it is now.
    void FormatAll();
    // Marks the e-mail addresses that stand on their own as links.
    void MarkEmailAddresses();

    HWND hwnd_ = nullptr;
    bool links_ = false;
    bool hasBackground_ = false;
    COLORREF background_ = 0;
    bool hasFont_ = false;
    CHARFORMAT2A font_ = {};
    // The plain text shown, kept for showing it again in a new font.
    std::wstring plainText_;
    std::unique_ptr<Fill> fill_;
};

// Loads the rich-edit library of the system folder once; false when it is missing.
bool LoadRichEditLibrary();

}  // namespace quillot
