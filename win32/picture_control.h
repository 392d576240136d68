// A picture shown by a STATIC picture control, owned here and taken back
// from the control before either goes away.
#pragma once

#include <windows.h>

#include "handles.h"

namespace plumaro {

// Owns one bitmap shown by one SS_BITMAP control. With common controls 6 a
// control given a bitmap whose pixels carry alpha draws from a copy of its
// own, which it never frees: it hands the copy back on the next
// STM_SETIMAGE instead. Whatever comes back that is not this bitmap is
// such a copy and is deleted here, whatever the bitmap's format.
class PictureControl {
public:
    PictureControl() = default;
    ~PictureControl() { takeBack(); }
    PictureControl(const PictureControl &) = delete;
    PictureControl &operator=(const PictureControl &) = delete;

    // Shows the picture in the control (taking back any earlier one);
    // false if there is no picture.
    bool show(HWND control, UniqueBitmap picture);

    // Takes the picture out of the control. Call it while the control still
    // exists, at the latest from its parent's WM_DESTROY; the bitmap itself
    // stays until this object goes away.
    void takeBack();

private:
    void hand(HBITMAP picture);

    HWND control_ = nullptr;
    UniqueBitmap picture_;
};

} // namespace plumaro
