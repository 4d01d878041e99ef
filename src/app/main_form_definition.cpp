// The main window's definition: every position, size, caption and property
// it is built from, at 120 pixels per inch, in one place.
#include "app/mainunit.h"
#include "app/peruka_icon.h"
#include "ui/fonts.h"

namespace peruka {

namespace {
// ペルカ
constexpr std::string_view kTitle = "\x83\x79\x83\x8b\x83\x4a";
// Ｘの値：
constexpr std::string_view kXHeading = "\x82\x77\x82\xcc\x92\x6c\x81\x46";
// Ｙの値：
constexpr std::string_view kYHeading = "\x82\x78\x82\xcc\x92\x6c\x81\x46";
// データ削除
constexpr std::string_view kClearCaption = "\x83\x66\x81\x5b\x83\x5e\x8d\xed\x8f\x9c";
// 計算実行
constexpr std::string_view kCalcCaption = "\x8c\x76\x8e\x5a\x8e\xc0\x8d\x73";
// 次数 (the degree list's accessible name)
constexpr std::string_view kDegreeName = "\x8e\x9f\x90\x94";
// 計算結果 (the result label's accessible name while it is empty)
constexpr std::string_view kResultName = "\x8c\x76\x8e\x5a\x8c\x8b\x89\xca";

// １次 .. ２０次
const std::vector<std::string_view> kDegrees = {
    "\x82\x50\x8e\x9f",         "\x82\x51\x8e\x9f",         "\x82\x52\x8e\x9f",
    "\x82\x53\x8e\x9f",         "\x82\x54\x8e\x9f",         "\x82\x55\x8e\x9f",
    "\x82\x56\x8e\x9f",         "\x82\x57\x8e\x9f",         "\x82\x58\x8e\x9f",
    "\x82\x50\x82\x4f\x8e\x9f", "\x82\x50\x82\x50\x8e\x9f", "\x82\x50\x82\x51\x8e\x9f",
    "\x82\x50\x82\x52\x8e\x9f", "\x82\x50\x82\x53\x8e\x9f", "\x82\x50\x82\x54\x8e\x9f",
    "\x82\x50\x82\x55\x8e\x9f", "\x82\x50\x82\x56\x8e\x9f", "\x82\x50\x82\x57\x8e\x9f",
    "\x82\x50\x82\x58\x8e\x9f", "\x82\x51\x82\x4f\x8e\x9f",
};

ControlDefinition Control(std::string_view name, int left, int top, int width, int height) {
  ControlDefinition control;
  control.name = name;
  control.left = left;
  control.top = top;
  control.width = width;
  control.height = height;
  return control;
}

FormDefinition BuildDefinition() {
  FormDefinition form;
  form.name = "MainForm";
  form.left = 364;
  form.top = 174;
  form.clientWidth = 360;
  form.clientHeight = 273;
  form.caption = kTitle;
  form.borderStyle = bsSingle;
  form.borderIcons = biSystemMenu | biMinimize;
  form.position = poScreenCenter;
  form.fontName = kDefaultFontName;
  form.fontHeight = -15;
  form.pixelsPerInch = 120;
  form.textHeight = 15;
  form.icon = kPerukaIcon;
  form.onCreate = "FormCreate";
  ControlDefinition label1 = Control("Label1", 3, 4, 42, 15);
  label1.caption = "Label1";
  label1.focusControl = "Data";

  ControlDefinition xLabel = Control("XLabel", 24, 26, 73, 33);
  xLabel.caption = kXHeading;
  xLabel.autoSize = false;
  xLabel.focusControl = "XData";

  ControlDefinition yLabel = Control("YLabel", 248, 32, 73, 33);
  yLabel.caption = kYHeading;
  yLabel.autoSize = false;
  yLabel.focusControl = "YData";

  ControlDefinition answer = Control("Answer", 32, 232, 5, 15);
  answer.caption = "";
  answer.accessibleName = kResultName;

  ControlDefinition data = Control("Data", 56, 0, 185, 23);
  data.lines = {"Memo1"};
  data.imeMode = imDisable;
  data.tabOrder = 0;
  data.onKeyUp = "DataKeyUp";

  ControlDefinition jisuu = Control("Jisuu", 248, 0, 113, 21);
  jisuu.style = csOwnerDrawFixed;
  jisuu.itemHeight = 15;
  jisuu.items = kDegrees;
  jisuu.tabOrder = 1;
  jisuu.accessibleName = kDegreeName;

  ControlDefinition yData = Control("YData", 160, 56, 177, 89);
  yData.lines = {"YData"};
  yData.imeMode = imDisable;
  yData.tabOrder = 2;

  ControlDefinition xData = Control("XData", 16, 48, 137, 129);
  xData.lines = {"XData"};
  xData.imeMode = imDisable;
  xData.tabOrder = 3;

  ControlDefinition clearBtn = Control("ClearBtn", 224, 192, 113, 25);
  clearBtn.caption = kClearCaption;
  clearBtn.tabOrder = 4;
  clearBtn.onClick = "ClearBtnClick";

  ControlDefinition calcBtn = Control("CalcBtn", 40, 192, 161, 25);
  calcBtn.caption = kCalcCaption;
  calcBtn.tabOrder = 5;
  calcBtn.onClick = "CalcBtnClick";

  form.controls = {label1, xLabel, yLabel, answer, data, jisuu, yData, xData, clearBtn, calcBtn};
  return form;
}

}  // namespace

const std::string_view kApplicationTitle = kTitle;

const FormDefinition& MainFormDefinition() {
  static const FormDefinition definition = BuildDefinition();
  return definition;
}

}  // namespace peruka
