#include "ui/classes.h"

#include <cstdint>
#include <cstdlib>

namespace peruka {

int MulDiv(int a, int b, int c) {
  if (c == 0) return -1;
  const std::int64_t product = static_cast<std::int64_t>(a) * b;
  std::int64_t quotient = product / c;
  const std::int64_t remainder = product % c;
  // Round the magnitude up when the remainder is at least half the divisor.
  if (2 * std::llabs(remainder) >= std::llabs(static_cast<std::int64_t>(c)))
    quotient += ((product < 0) != (c < 0)) ? -1 : 1;
  return static_cast<int>(quotient);
}

TComponent::TComponent(TComponent* owner) : owner_(owner) {
  if (owner_) owner_->InsertComponent(this);
}

TComponent::~TComponent() {
  DestroyComponents();
  if (owner_) owner_->RemoveComponent(this);
}

void TComponent::InsertComponent(TComponent* component) { components_.emplace_back(component); }

void TComponent::RemoveComponent(TComponent* component) {
  for (auto it = components_.begin(); it != components_.end(); ++it) {
    if (it->get() == component) {
      it->release();
      components_.erase(it);
      return;
    }
  }
}

void TComponent::DestroyComponents() {
  while (!components_.empty()) {
    std::unique_ptr<TComponent> last = std::move(components_.back());
    components_.pop_back();
    last.reset();
  }
}

TComponent* TComponent::FindComponent(std::string_view name) const {
  for (const auto& component : components_)
    if (component->Name() == name) return component.get();
  return nullptr;
}

}  // namespace peruka
