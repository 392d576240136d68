// Modal dialog boxes without a template.
#include "dialog_box.h"

#include <vector>

#include "system_library.h"

namespace plumaro {

namespace {

constexpr wchar_t kFontName[] = L"MS Shell Dlg";
constexpr WORD kFontPoints = 8;

void appendText(std::vector<WORD> &words, const wchar_t *text) {
    for (; *text; ++text)
        words.push_back(static_cast<WORD>(*text));
    words.push_back(0);
}

} // namespace

INT_PTR showDialogBox(HWND owner, HINSTANCE instance, DWORD style, DWORD exStyle, DLGPROC procedure, LPARAM parameter) {
    // A DLGTEMPLATEEX, field by field: no controls, no size, no menu, the
    // system's dialog class, no title, then the font.
    std::vector<WORD> words{1, 0xFFFF};
    const DWORD header[] = {0, exStyle, style | DS_SETFONT};
    for (const DWORD value : header) {
        words.push_back(LOWORD(value));
        words.push_back(HIWORD(value));
    }
    words.insert(words.end(), {0, 0, 0, 0, 0, 0, 0, 0});
    words.insert(words.end(), {kFontPoints, FW_DONTCARE, MAKEWORD(FALSE, DEFAULT_CHARSET)});
    appendText(words, kFontName);
    return DialogBoxIndirectParamW(instance, reinterpret_cast<LPCDLGTEMPLATEW>(words.data()), owner, procedure,
                                   parameter);
}

void keepDialogLayoutOurs(HWND dialog) {
    const auto setBehaviour =
        systemFunction<decltype(&SetDialogDpiChangeBehavior)>(L"user32.dll", "SetDialogDpiChangeBehavior");
    if (setBehaviour)
        setBehaviour(dialog, DDC_DISABLE_ALL, DDC_DISABLE_ALL);
}

HWND addControl(HWND dialog, const wchar_t *className, const std::wstring &text, int id, DWORD style, DWORD exStyle) {
    HWND control = CreateWindowExW(exStyle | WS_EX_NOPARENTNOTIFY, className, text.c_str(), style | WS_CHILD, 0, 0, 0,
                                   0, dialog, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                   reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(dialog, GWLP_HINSTANCE)), nullptr);
    if (control)
        SendMessageW(control, WM_SETFONT, SendMessageW(dialog, WM_GETFONT, 0, 0), FALSE);
    return control;
}

} // namespace plumaro
