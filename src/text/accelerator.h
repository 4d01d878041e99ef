// The accelerator rule of captions, in bytes (Shift-JIS or UTF-8, where "&"
// is never part of another character) or in UTF-16 code units alike: "&&"
// is one "&"; any other "&" is dropped and marks the character after it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace peruka {

// The caption as drawn; the positions (in the result) of the characters
// marked go to `marks` when it is given.
template <typename Char>
std::basic_string<Char> WithoutAccelerators(std::basic_string_view<Char> caption,
                                            std::vector<std::size_t>* marks = nullptr) {
  std::basic_string<Char> result;
  result.reserve(caption.size());
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] != Char('&')) {
      result += caption[i];
    } else if (i + 1 < caption.size() && caption[i + 1] == Char('&')) {
      result += Char('&');
      ++i;
    } else if (i + 1 < caption.size() && marks) {
      marks->push_back(result.size());
    }
  }
  return result;
}

// A menu or button caption as the name of what it does (a dialog's title, a
// screen reader's name): a Japanese-style accelerator "(&X)" goes whole,
// then the rule above: "PNG で保存(&P)..." is "PNG で保存...".
template <typename Char>
std::basic_string<Char> CommandName(std::basic_string_view<Char> caption) {
  std::basic_string<Char> plain;
  plain.reserve(caption.size());
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == Char('(') && i + 3 < caption.size() && caption[i + 1] == Char('&') &&
        caption[i + 2] != Char(')') && caption[i + 3] == Char(')')) {
      i += 3;
      continue;
    }
    plain += caption[i];
  }
  return WithoutAccelerators<Char>(plain);
}

}  // namespace peruka
