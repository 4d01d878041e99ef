// The main window's definition: every position, size, caption and property
// it is built from, at 120 pixels per inch, in one place.
#include "app/mainunit.h"
#include "app/window_icon.h"
#include "app/window_texts.h"
#include "ui/form_definition.h"

namespace peruka {

namespace {

std::vector<std::string_view> DegreeItems() {
  std::vector<std::string_view> items;
  for (const TextTwin& item : kDegreeItems) items.push_back(item.shiftJis);
  return items;
}

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
  form.caption = TextOf(WindowText::Title);
  form.borderStyle = bsSingle;
  form.borderIcons = biSystemMenu | biMinimize;
  form.position = poScreenCenter;
  form.fontName = kDefaultFontName;
  form.fontHeight = -15;
  form.pixelsPerInch = 120;
  form.textHeight = 15;
  form.iconPng = WindowIconPng();
  form.onCreate = "FormCreate";
  ControlDefinition label1 = Control("Label1", 3, 4, 42, 15);
  label1.caption = "Label1";
  label1.focusControl = "Data";

  ControlDefinition xLabel = Control("XLabel", 24, 26, 73, 33);
  xLabel.caption = TextOf(WindowText::XHeading);
  xLabel.autoSize = false;
  xLabel.focusControl = "XData";

  ControlDefinition yLabel = Control("YLabel", 248, 32, 73, 33);
  yLabel.caption = TextOf(WindowText::YHeading);
  yLabel.autoSize = false;
  yLabel.focusControl = "YData";

  ControlDefinition answer = Control("Answer", 32, 232, 5, 15);
  answer.caption = "";
  answer.accessibleName = TextOf(WindowText::ResultName);

  ControlDefinition data = Control("Data", 56, 0, 185, 23);
  data.lines = {"Memo1"};
  data.imeMode = imDisable;
  data.tabOrder = 0;
  data.onKeyUp = "DataKeyUp";

  ControlDefinition jisuu = Control("Jisuu", 248, 0, 113, 21);
  jisuu.style = csOwnerDrawFixed;
  jisuu.itemHeight = 15;
  jisuu.items = DegreeItems();
  jisuu.tabOrder = 1;
  jisuu.accessibleName = TextOf(WindowText::DegreeName);

  ControlDefinition yData = Control("YData", 160, 56, 177, 89);
  yData.lines = {"YData"};
  yData.imeMode = imDisable;
  yData.tabOrder = 2;

  ControlDefinition xData = Control("XData", 16, 48, 137, 129);
  xData.lines = {"XData"};
  xData.imeMode = imDisable;
  xData.tabOrder = 3;

  ControlDefinition clearBtn = Control("ClearBtn", 224, 192, 113, 25);
  clearBtn.caption = TextOf(WindowText::ClearCaption);
  clearBtn.tabOrder = 4;
  clearBtn.onClick = "ClearBtnClick";

  ControlDefinition calcBtn = Control("CalcBtn", 40, 192, 161, 25);
  calcBtn.caption = TextOf(WindowText::CalcCaption);
  calcBtn.tabOrder = 5;
  calcBtn.onClick = "CalcBtnClick";

  form.controls = {label1, xLabel, yLabel, answer, data, jisuu, yData, xData, clearBtn, calcBtn};
  return form;
}

}  // namespace

const std::string_view kApplicationTitle = TextOf(WindowText::Title);

const FormDefinition& MainFormDefinition() {
  static const FormDefinition definition = BuildDefinition();
  return definition;
}

}  // namespace peruka
