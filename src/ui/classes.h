// Base classes, event types and the small helpers shared by the whole window
// layer. Nothing here knows about Qt.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace peruka {

using Word = std::uint16_t;

// Shift state of a key or mouse event.
using TShiftState = unsigned;
inline constexpr TShiftState ssShift = 1;
inline constexpr TShiftState ssAlt = 2;
inline constexpr TShiftState ssCtrl = 4;

// Virtual-key codes the handlers compare against.
inline constexpr Word VK_RETURN = 13;
inline constexpr Word VK_ESCAPE = 27;

// Modal results.
inline constexpr int mrNone = 0;
inline constexpr int mrOk = 1;
inline constexpr int mrCancel = 2;

class TObject {
 public:
  virtual ~TObject() = default;
};

using TNotifyEvent = std::function<void(TObject* Sender)>;
using TKeyEvent = std::function<void(TObject* Sender, Word& Key, TShiftState Shift)>;

// a × b / c rounded to the nearest integer, halves away from zero. All
// scaling of window sizes goes through it.
int MulDiv(int a, int b, int c);

// A component owns the components created with it as owner and destroys
// them with itself, newest first.
class TComponent : public TObject {
 public:
  explicit TComponent(TComponent* owner);
  ~TComponent() override;
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  TComponent* Owner() const { return owner_; }
  const std::string& Name() const { return name_; }
  virtual void SetName(std::string_view name) { name_ = std::string(name); }

  int ComponentCount() const { return static_cast<int>(components_.size()); }
  TComponent* Components(int i) const { return components_[static_cast<std::size_t>(i)].get(); }
  TComponent* FindComponent(std::string_view name) const;

  // Called once the component's definition has been read.
  virtual void Loaded() {}

 protected:
  void DestroyComponents();

 private:
  void InsertComponent(TComponent* component);
  // Forgets a component that is being destroyed by other means.
  void RemoveComponent(TComponent* component);

  TComponent* owner_;
  std::string name_;
  std::vector<std::unique_ptr<TComponent>> components_;
};

}  // namespace peruka
