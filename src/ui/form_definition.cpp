#include "ui/form_definition.h"

#include "ui/button.h"
#include "ui/control.h"
#include "ui/label.h"

namespace peruka {

void ApplyControlDefinition(TComponent& owner, const ControlDefinition& definition,
                            const DefinitionHandlers& handlers, int m, int d) {
  TComponent* component = owner.FindComponent(definition.name);
  if (!component) return;
  if (auto* combo = dynamic_cast<TComboBox*>(component)) {
    if (definition.style) combo->SetStyle(*definition.style);
    if (definition.itemHeight) combo->SetItemHeight(*definition.itemHeight);
    for (std::string_view item : definition.items) combo->Items()->Add(item);
  }
  if (auto* memo = dynamic_cast<TMemo*>(component)) {
    std::string text;
    for (std::size_t i = 0; i < definition.lines.size(); ++i) {
      if (i > 0) text += "\r\n";
      text += definition.lines[i];
    }
    memo->SetText(text);
    if (definition.imeMode) memo->SetImeMode(*definition.imeMode);
    if (!definition.onKeyUp.empty()) {
      if (auto it = handlers.key.find(definition.onKeyUp); it != handlers.key.end())
        memo->OnKeyUp = it->second;
    }
  }
  if (auto* label = dynamic_cast<TLabel*>(component)) {
    if (definition.autoSize) label->SetAutoSize(*definition.autoSize);
    if (!definition.accessibleName.empty()) label->SetEmptyAccessibleName(definition.accessibleName);
    if (definition.caption) label->SetCaption(*definition.caption);
    if (!definition.focusControl.empty())
      label->SetFocusControl(dynamic_cast<TWinControl*>(owner.FindComponent(definition.focusControl)));
  }
  if (auto* button = dynamic_cast<TButton*>(component)) {
    if (definition.caption) button->SetCaption(*definition.caption);
    if (!definition.onClick.empty()) {
      if (auto it = handlers.notify.find(definition.onClick); it != handlers.notify.end())
        button->OnClick = it->second;
    }
  }
  if (auto* control = dynamic_cast<TControl*>(component)) {
    const Bounds scaled =
        ScaleBounds(Bounds{definition.left, definition.top, definition.width, definition.height}, m, d);
    control->SetBounds(scaled.left, scaled.top, scaled.width, scaled.height);
    if (!definition.accessibleName.empty() && !dynamic_cast<TLabel*>(component))
      control->SetAccessibleName(definition.accessibleName);
  }
  if (auto* control = dynamic_cast<TWinControl*>(component); control && definition.tabOrder >= 0)
    control->SetTabOrder(definition.tabOrder);
}

}  // namespace peruka
