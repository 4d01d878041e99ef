#include "ui/strings.h"

namespace peruka {

int TStrings::Add(std::string_view text) {
  const int index = Count();
  Insert(index, text);
  return index;
}

}  // namespace peruka
