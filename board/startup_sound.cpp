// The sound the board plays when it first appears: a wave file beside the
// program, read whole and played from memory.
#include "startup_sound.h"

#include <cstring>
#include <utility>

#include "program_files.h"
#include "system_library.h"

namespace plumaro {

namespace {

constexpr std::size_t kLargestSoundFile = 16 << 20;

bool hasTag(const std::vector<BYTE> &bytes, std::size_t at, const char (&tag)[5]) {
    return std::memcmp(bytes.data() + at, tag, 4) == 0;
}

DWORD sizeAt(const std::vector<BYTE> &bytes, std::size_t at) {
    DWORD size = 0;
    std::memcpy(&size, bytes.data() + at, sizeof size);
    return size;
}

} // namespace

bool isWholeWaveFile(const std::vector<BYTE> &bytes) {
    if (bytes.size() < 12 || !hasTag(bytes, 0, "RIFF") || !hasTag(bytes, 8, "WAVE"))
        return false;
    const std::size_t end = std::size_t{sizeAt(bytes, 4)} + 8;
    if (end > bytes.size())
        return false;
    bool format = false, data = false;
    for (std::size_t at = 12; at + 8 <= end;) {
        const std::size_t size = sizeAt(bytes, at + 4);
        if (size > end - at - 8)
            return false;
        format = format || hasTag(bytes, at, "fmt ");
        data = data || hasTag(bytes, at, "data");
        at += 8 + size + (size & 1); // chunks start on even offsets
    }
    return format && data;
}

StartupSound::~StartupSound() {
    if (playing_)
        play_(nullptr, nullptr, 0);
}

void StartupSound::play(const std::wstring &path) {
    // Read once, never refilled: an earlier sound may still be playing from
    // these bytes, and stopping it is not documented to wait until the
    // player has let go of them.
    if (bytes_.empty()) {
        std::vector<BYTE> bytes;
        if (readFileBytes(path, kLargestSoundFile, bytes) != ERROR_SUCCESS || !isWholeWaveFile(bytes))
            return;
        bytes_ = std::move(bytes);
    }
    // The player is found when first needed, in the system folder: a winmm.dll
    // the program imported would be looked for beside the program first, as
    // it is not one of the libraries Windows always takes from the system.
    if (!play_)
        play_ = systemFunction<decltype(&PlaySoundW)>(L"winmm.dll", "PlaySoundW");
    if (play_ && play_(reinterpret_cast<LPCWSTR>(bytes_.data()), nullptr, SND_MEMORY | SND_ASYNC | SND_NODEFAULT))
        playing_ = true;
}

} // namespace plumaro
