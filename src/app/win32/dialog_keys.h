// The dialog keys of a top-level window whose messages run through a
// message loop that does not know it: Tab between its controls, Alt with a
// control's "&" key, Enter on a button, Escape (WM_COMMAND IDCANCEL to the
// window). A hook on the thread's message retrieval hands the window's key
// messages to IsDialogMessage before the loop sees them.
#pragma once

struct HWND__;

namespace peruka {

// From now on until the window is let go of (or destroyed).
void RouteDialogKeys(HWND__* window);
void StopRoutingDialogKeys(HWND__* window);

}  // namespace peruka
