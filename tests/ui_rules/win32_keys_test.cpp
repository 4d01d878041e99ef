// The Windows backend's reading of a command's keys: the portable key text
// the window layer names commands by, as the virtual-key code and shift
// state of the key message that runs the command.
#include "ui/win32/win32_keys.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace peruka {
namespace {

struct ChordCase {
  const char* name;
  const char* text;
  Word key;
  TShiftState shift;
};
void PrintTo(const ChordCase& c, std::ostream* os) { *os << c.name << " \"" << c.text << '"'; }

class KeyChordTest : public ::testing::TestWithParam<ChordCase> {};

TEST_P(KeyChordTest, ReadsTheKeysOfAKeyMessage) {
  const ChordCase& c = GetParam();
  const KeyChord chord = ParseKeyChord(c.text);
  EXPECT_EQ(chord.key, c.key);
  EXPECT_EQ(chord.shift, c.shift);
}

// Virtual-key codes: letters and digits are their upper-case ASCII codes,
// F1 is 0x70, Delete 0x2E, Page Up 0x21, Escape 0x1B, Enter 0x0D.
INSTANTIATE_TEST_SUITE_P(
    Commands, KeyChordTest,
    ::testing::Values(ChordCase{"SaveData", "Ctrl+S", 'S', ssCtrl},
                      ChordCase{"CopyResult", "Ctrl+Shift+C", 'C', ssCtrl | ssShift},
                      ChordCase{"PastePairs", "Ctrl+Shift+V", 'V', ssCtrl | ssShift},
                      ChordCase{"ShowGraph", "Ctrl+G", 'G', ssCtrl},
                      ChordCase{"ModifierOrderAndCase", "shift+CTRL+x", 'X', ssCtrl | ssShift},
                      ChordCase{"LowerCaseLetter", "Alt+r", 'R', ssAlt},
                      ChordCase{"Digit", "Ctrl+7", '7', ssCtrl},
                      ChordCase{"FunctionKey", "Shift+F10", 0x79, ssShift},
                      ChordCase{"FirstFunctionKey", "F1", 0x70, 0},
                      ChordCase{"LastFunctionKey", "F24", 0x87, 0},
                      ChordCase{"Delete", "Ctrl+Del", 0x2E, ssCtrl}, ChordCase{"PageUp", "PgUp", 0x21, 0},
                      ChordCase{"Escape", "Esc", 0x1B, 0}, ChordCase{"Enter", "Ctrl+Return", 0x0D, ssCtrl}),
    [](const ::testing::TestParamInfo<ChordCase>& info) { return std::string(info.param.name); });

class UnreadableKeysTest : public ::testing::TestWithParam<const char*> {};

TEST_P(UnreadableKeysTest, GiveNoKeys) {
  const KeyChord chord = ParseKeyChord(GetParam());
  EXPECT_EQ(chord.key, 0);
  EXPECT_EQ(chord.shift, 0u);
}

INSTANTIATE_TEST_SUITE_P(Texts, UnreadableKeysTest,
                         ::testing::Values("", "Ctrl+", "Ctrl+Shift", "+S", "Ctrl++S", "Hyper+S", "Ctrl+S+X",
                                           "F0", "F25", "F01", "Ctrl+Semicolon", "Ctrl+%"));

}  // namespace
}  // namespace peruka
