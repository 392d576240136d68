// The sound the board plays when it first appears: a wave file beside the
// program, read whole and played from memory.
#pragma once

#include <windows.h>
#include <mmsystem.h>

#include <string>
#include <vector>

namespace plumaro {

class StartupSound {
public:
    StartupSound() = default;
    ~StartupSound(); // stops the sound, which plays from this object's bytes
    StartupSound(const StartupSound &) = delete;
    StartupSound &operator=(const StartupSound &) = delete;

    // Starts playing the wave file at `path` (any length) and returns at
    // once. A file that is missing, unreadable or not a whole wave file
    // plays nothing, silently. Once read, the sound is kept: later calls
    // play it again, whatever their path.
    void play(const std::wstring &path);

private:
    std::vector<BYTE> bytes_;
    decltype(&PlaySoundW) play_ = nullptr;
    bool playing_ = false;
};

// Whether the bytes are a whole RIFF wave file: a format and a data chunk,
// and no chunk reaching past the end (the player reads a sound in memory as
// far as its headers say).
bool isWholeWaveFile(const std::vector<BYTE> &bytes);

} // namespace plumaro
