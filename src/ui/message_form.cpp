#include "ui/message_form.h"

#include <algorithm>
#include <memory>

#include "ui/application.h"
#include "ui/screen.h"

namespace peruka {

TMessageForm::TMessageForm(TComponent* owner, std::string_view text) : TForm(owner) {
  SetBorderStyle(bsDialog);
  Message = new TLabel(this);
  Message->SetName("Message");
  OK = new TButton(this);
  OK->SetName("OK");

  // The unit of the layout: the average character of the box's font.
  const TextSize unit = AverageCharSize();
  const int unitWidth = unit.width;
  const int unitHeight = unit.height;
  const int horizontalMargin = MulDiv(8, unitWidth, 4);
  const int verticalMargin = MulDiv(8, unitHeight, 8);
  // Used only beside an icon, which a notice has not.
  [[maybe_unused]] const int horizontalSpacing = MulDiv(10, unitWidth, 4);
  const int verticalSpacing = MulDiv(10, unitHeight, 8);
  const int buttonWidth = MulDiv(50, unitWidth, 4);
  const int buttonHeight = MulDiv(14, unitHeight, 8);

  // The text is broken at words to fit half the screen width.
  TextFormat format;
  format.wordBreak = true;
  format.prefix = true;
  const int screenWidth = Screen ? Screen->Width() : 0;
  const TextSize textSize = MeasureText(text, format, screenWidth / 2);
  const int textWidth = textSize.width;
  const int textHeight = textSize.height;
  const int buttonGroupWidth = buttonWidth;

  SetClientWidth(std::max(textWidth, buttonGroupWidth) + 2 * horizontalMargin);
  SetClientHeight(textHeight + buttonHeight + verticalSpacing + 2 * verticalMargin);
  CenterOnScreen(TCentring::kNotice);
  SetCaption(Application ? Application->Title() : std::string());

  Message->SetWordWrap(true);
  Message->SetCaption(text);
  Message->SetBounds(horizontalMargin, verticalMargin, textWidth, textHeight);

  OK->SetCaption("OK");
  OK->SetModalResult(mrOk);
  OK->SetDefault(true);
  OK->SetCancel(true);
  OK->SetBounds((ClientWidth() - buttonGroupWidth) / 2, textHeight + verticalMargin + verticalSpacing,
                buttonWidth, buttonHeight);
  OK->SetTabOrder(0);
}

void ShowNotice(std::string_view text) {
  std::unique_ptr<TMessageForm> form(new TMessageForm(Application, text));
  form->ShowModal();
}

}  // namespace peruka
