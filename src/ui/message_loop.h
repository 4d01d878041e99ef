// The program's message loop as the forms see it: whether it is ending, the
// request to end it, and the main form, whose closing ends it. The
// application object is that loop and registers itself here while it exists.
#pragma once

namespace peruka {

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

// The registered loop, or null.
TMessageLoop* MessageLoop();
void SetMessageLoop(TMessageLoop* loop);

}  // namespace peruka
