// The result's details and equation commands, alike on every backend:
// disabled until a calculation succeeds; then the details command's menu
// item and its keys in any control of the main window open the detail
// window, and each equation command copies the equation in its notation.
#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "app/mainunit.h"
#include "text/shift_jis.h"
#include "ui/clipboard.h"
#include "window_driver.h"

namespace peruka::testing {
namespace {

enum class Way { kMenuItem, kKeysInEntryBox, kKeysInXColumn, kKeysOnCalcButton };

struct OpenCase {
  const char* name;
  Way way;
};
void PrintTo(const OpenCase& c, std::ostream* os) { *os << c.name; }

class DetailsCommandTest : public ::testing::TestWithParam<OpenCase> {
 protected:
  void SetUp() override {
    driver_ = MakeWindowDriver();
    form_ = &driver_->StartMainWindow();
  }
  void TearDown() override {
    for (const ShownBox& box : driver_->TakeBoxes())
      ADD_FAILURE() << "an unexpected box: " << ShiftJisToUtf8(box.text);
  }

  void Open(Way way) {
    switch (way) {
      case Way::kMenuItem:
        driver_->Choose(*form_->DetailsCommand());
        break;
      case Way::kKeysInEntryBox:
        driver_->PressKeys(*form_->Data, kShowDetailsKeys);
        break;
      case Way::kKeysInXColumn:
        driver_->PressKeys(*form_->XData, kShowDetailsKeys);
        break;
      case Way::kKeysOnCalcButton:
        driver_->PressKeys(*form_->CalcBtn, kShowDetailsKeys);
        break;
    }
  }

  std::unique_ptr<WindowDriver> driver_;
  TMainForm* form_ = nullptr;
};

TEST_P(DetailsCommandTest, OpensTheDetailWindowOnlyAfterASuccessfulCalculation) {
  EXPECT_FALSE(form_->DetailsCommand()->Enabled());
  Open(GetParam().way);
  EXPECT_EQ(form_->Details(), nullptr);

  form_->XData->SetText(Utf8ToShiftJis("1\n2\n3"));
  form_->YData->SetText(Utf8ToShiftJis("1\n3\n5.5"));
  driver_->Click(*form_->CalcBtn);
  EXPECT_TRUE(form_->DetailsCommand()->Enabled());
  Open(GetParam().way);
  ASSERT_NE(form_->Details(), nullptr);
  EXPECT_TRUE(form_->Details()->Shown());
}

INSTANTIATE_TEST_SUITE_P(Ways, DetailsCommandTest,
                         ::testing::Values(OpenCase{"MenuItem", Way::kMenuItem},
                                           OpenCase{"KeysInEntryBox", Way::kKeysInEntryBox},
                                           OpenCase{"KeysInXColumn", Way::kKeysInXColumn},
                                           OpenCase{"KeysOnCalcButton", Way::kKeysOnCalcButton}),
                         [](const ::testing::TestParamInfo<OpenCase>& info) {
                           return std::string(info.param.name);
                         });

TEST(EquationCommandsTest, CopyTheLastEquationInEachNotation) {
  const std::unique_ptr<WindowDriver> driver = MakeWindowDriver();
  TMainForm& form = driver->StartMainWindow();
  const std::vector<TMenuCommand*>& commands = form.EquationCommands();
  ASSERT_EQ(commands.size(), 5u);
  for (const TMenuCommand* command : commands) EXPECT_FALSE(command->Enabled());

  form.XData->SetText(Utf8ToShiftJis("1\n2\n3"));
  form.YData->SetText(Utf8ToShiftJis("2.5\n4.5\n6.5"));
  driver->Click(*form.CalcBtn);
  const char* const expected[] = {
      "y = 2x + 0.5",
      "y = 2 x + 0.5",
      "=2*A2+0.5",
      "double p(double x) { return 2 * x + 0.5; }",
      "def p(x):\n    return 2 * x + 0.5",
  };
  for (std::size_t i = 0; i < commands.size(); ++i) {
    EXPECT_TRUE(commands[i]->Enabled());
    driver->Choose(*commands[i]);
    std::string copied = ShiftJisToUtf8(ClipboardText());
    std::erase(copied, '\r');  // Windows' clipboard breaks lines with CR LF
    EXPECT_EQ(copied, expected[i]) << i;
  }
  for (const ShownBox& box : driver->TakeBoxes())
    ADD_FAILURE() << "an unexpected box: " << ShiftJisToUtf8(box.text);
}

}  // namespace
}  // namespace peruka::testing
