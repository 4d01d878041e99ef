// The notice box: a small modal form with a text and an OK button, laid out
// from the average character of its font.
#pragma once

#include <string_view>

#include "ui/button.h"
#include "ui/form.h"
#include "ui/label.h"

namespace peruka {

// The OK button is both the default and the cancel button.
class TMessageForm : public TForm {
 public:
  TMessageForm(TComponent* owner, std::string_view text);

  TLabel* Message = nullptr;
  TButton* OK = nullptr;
};

// Shows the text in a notice box titled with the application title; returns
// when the box has been closed, however that was done.
void ShowNotice(std::string_view text);

}  // namespace peruka
