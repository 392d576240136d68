// A picture shown by a STATIC picture control, owned here and taken back
// from the control before either goes away.
#include "picture_control.h"

#include <utility>

namespace plumaro {

void PictureControl::hand(HBITMAP picture) {
    const auto returned = reinterpret_cast<HBITMAP>(
        SendMessageW(control_, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture)));
    if (returned && returned != picture_.get() && returned != picture)
        DeleteObject(returned); // the control's own copy of what it showed before
}

bool PictureControl::show(HWND control, UniqueBitmap picture) {
    takeBack();
    if (!picture)
        return false;
    control_ = control;
    hand(picture.get());
    picture_ = std::move(picture);
    return true;
}

void PictureControl::takeBack() {
    if (control_ && IsWindow(control_))
        hand(nullptr);
    control_ = nullptr;
}

} // namespace plumaro
