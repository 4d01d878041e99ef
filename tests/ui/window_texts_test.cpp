// Every Japanese text of the main window: its Shift-JIS bytes are its UTF-8
// twin converted.
#include "app/window_texts.h"

#include <gtest/gtest.h>

#include <string>

#include "text/shift_jis.h"

namespace peruka {
namespace {

std::string Converted(std::u8string_view utf8) {
  return Utf8ToShiftJis(std::string_view(reinterpret_cast<const char*>(utf8.data()), utf8.size()));
}

TEST(WindowTexts, EveryTwinConvertsToTheStoredBytes) {
  for (const WindowTextEntry& entry : kWindowTexts)
    EXPECT_EQ(Converted(entry.text.utf8), entry.text.shiftJis) << static_cast<int>(entry.id);
  for (const TextTwin& item : kDegreeItems) EXPECT_EQ(Converted(item.utf8), item.shiftJis);
}

TEST(WindowTexts, EveryNameHasOneText) {
  for (int id = 0; id <= static_cast<int>(WindowText::NotAPairNotice); ++id)
    EXPECT_FALSE(TextOf(static_cast<WindowText>(id)).empty()) << id;
}

}  // namespace
}  // namespace peruka
