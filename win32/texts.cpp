// The texts a player reads, from the program's string table.
#include "texts.h"

#include <vector>

namespace plumaro {

std::wstring loadText(UINT id) {
    // With no buffer, LoadStringW hands out the text where it lies in the
    // loaded program: no copy, and no length limit.
    const wchar_t *text = nullptr;
    const int length = LoadStringW(GetModuleHandleW(nullptr), id, reinterpret_cast<wchar_t *>(&text), 0);
    return length > 0 && text ? std::wstring(text, static_cast<std::size_t>(length)) : std::wstring{};
}

std::wstring formatText(UINT id, std::initializer_list<std::wstring> arguments) {
    const std::vector<std::wstring> values(arguments);
    const std::wstring pattern = loadText(id);
    std::wstring text;
    for (std::size_t at = 0; at < pattern.size(); ++at) {
        const wchar_t next = at + 1 < pattern.size() ? pattern[at + 1] : L'\0';
        const auto number = static_cast<std::size_t>(next - L'1');
        if (pattern[at] == L'%' && next >= L'1' && next <= L'9' && number < values.size()) {
            text += values[number];
            ++at;
        } else {
            text += pattern[at];
        }
    }
    return text;
}

} // namespace plumaro
