// The result's details command, alike on every backend: disabled until a
// calculation succeeds, then its menu item and its keys in any control of
// the main window open the detail window.
#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>

#include "app/mainunit.h"
#include "text/shift_jis.h"
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

}  // namespace
}  // namespace peruka::testing
