// The system clipboard's text, in Shift-JIS. The text a caption copies is
// the window layer's rule; the clipboard itself is the backend's.
#pragma once

#include <string>
#include <string_view>

namespace peruka {

// The text a caption puts on the clipboard: its lines as a text box shows
// them (CR LF, CR and LF each end one), each without trailing blanks and
// ended by a line feed, with the empty lines at the end dropped.
std::string ClipboardTextOf(std::string_view caption);

// Backend: puts a non-empty text on the clipboard; false when the text is
// empty or there is no clipboard, with the clipboard untouched.
bool PutOnClipboard(std::string_view text);
// Backend: the clipboard's text (empty when it holds none).
std::string ClipboardText();

}  // namespace peruka
