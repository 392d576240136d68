// Giving a control of a system class (a STATIC) a window procedure of the
// program's own in front of its class's.
#pragma once

#include <windows.h>

namespace plumaro {

// Puts `procedure` (guarded<...>, as every procedure of the program) in
// front of the control's window procedure. The control's GWLP_USERDATA keeps
// the procedure it had, so it must not be used otherwise.
void subclassControl(HWND control, WNDPROC procedure);

// Passes a message on to the procedure the control had before subclassControl.
LRESULT callBaseProcedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam);

} // namespace plumaro
