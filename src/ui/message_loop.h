// The program's message loop as the forms see it: whether it is ending, the
// request to end it, and the main form, whose closing ends it. The
// application object is that loop; a form finds it among its owners.
#pragma once

namespace peruka {

class TComponent;
class TForm;

class TMessageLoop {
 public:
  virtual TForm* MainForm() const = 0;
  // Asks the loop to end; the loop (and any modal loop) ends as soon as it
  // sees the request.
  virtual void Terminate() = 0;
  virtual bool Terminated() const = 0;

 protected:
  ~TMessageLoop() = default;
};

// The loop a component belongs to: the first of its owners (itself
// included) that is one, or null.
TMessageLoop* MessageLoopOf(const TComponent* component);

}  // namespace peruka
