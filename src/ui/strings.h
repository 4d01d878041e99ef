// A list of text lines (Shift-JIS, no line breaks): the common face of a
// memo's lines and a drop-down list's items.
#pragma once

#include <string>
#include <string_view>

#include "ui/classes.h"

namespace peruka {

class TStrings : public TObject {
 public:
  virtual int Count() const = 0;
  virtual std::string Get(int index) const = 0;
  virtual void Put(int index, std::string_view text) = 0;
  virtual void Insert(int index, std::string_view text) = 0;
  virtual void Clear() = 0;
  // Inserts the text as a new last line; returns its index.
  int Add(std::string_view text);
  std::string operator[](int index) const { return Get(index); }
};

}  // namespace peruka
