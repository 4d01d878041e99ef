// How a label or a notice draws and measures its text: "&" marks the next
// character as an accelerator while prefix is on ("&&" is one "&"), tabs
// expand to every eighth average character width, with wordBreak lines are
// broken at word boundaries (or between Japanese characters) to fit a
// width, and every line is as high as the font. Each backend measures and
// draws by these flags with its platform's text functions.
#pragma once

namespace peruka {

enum TAlignment { taLeftJustify, taRightJustify, taCenter };

struct TextFormat {
  bool wordBreak = false;
  bool prefix = true;  // "&" is an accelerator mark
  TAlignment alignment = taLeftJustify;
};

}  // namespace peruka
