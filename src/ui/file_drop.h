// Text files dropped on a form: which drops are taken, and how a file's
// bytes become the program's Shift-JIS text.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace peruka {

class TForm;

// One dropped file: its name and, when it could be read, its text.
struct DroppedFile {
  std::string name;  // Shift-JIS, as the file system gives it
  bool read = false;
  std::string text;  // Shift-JIS
};

// A file's bytes as Shift-JIS: decoded as UTF-8 (without a leading byte
// order mark) when they are well-formed UTF-8, else taken as Shift-JIS.
std::string DecodedFileText(std::string_view bytes);

// Makes the form, and its boxes that take dropped text, take drops of
// local files: each file is read whole and
// handed to the handler in turn (through the event guard); the handler
// returns false to skip the remaining files. Backend.
void AcceptFileDrops(TForm& form, std::function<bool(const DroppedFile&)> handler);

}  // namespace peruka
