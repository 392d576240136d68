// Ending the game after a C++ exception reached a window procedure.
#include "window_procedure.h"

#include <string>

#include "texts.h"

namespace plumaro {

void endGameAfterException() noexcept {
    try {
        // Task-modal: the game's windows take no input while it shows.
        MessageBoxW(nullptr, loadText(IDS_UNEXPECTED_ERROR).c_str(), loadText(IDS_PROGRAM_TITLE).c_str(),
                    MB_OK | MB_ICONERROR | MB_TASKMODAL);
    } catch (...) {
        // Not even the message could be made: the game still ends.
    }
    ExitProcess(1);
}

} // namespace plumaro
