// Replacing a system function that the code of this test program imports.
#include "import_patch.h"

#include <windows.h>

namespace plumaro::testing {

namespace {

void write(void **slot, void *value) {
    DWORD protection = 0;
    VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &protection);
    *slot = value;
    VirtualProtect(slot, sizeof *slot, protection, &protection);
}

} // namespace

ImportPatch::ImportPatch(const char *library, const char *function, void *replacement) {
    auto *const base = reinterpret_cast<BYTE *>(GetModuleHandleW(nullptr));
    const auto *dos = reinterpret_cast<const IMAGE_DOS_HEADER *>(base);
    const auto *nt = reinterpret_cast<const IMAGE_NT_HEADERS *>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY &imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    for (auto *entry = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR *>(base + imports.VirtualAddress);
         imports.VirtualAddress && entry->Name; ++entry) {
        if (lstrcmpiA(reinterpret_cast<const char *>(base + entry->Name), library) != 0)
            continue;
        const auto *names = reinterpret_cast<const IMAGE_THUNK_DATA *>(base + entry->OriginalFirstThunk);
        auto *addresses = reinterpret_cast<IMAGE_THUNK_DATA *>(base + entry->FirstThunk);
        for (; names->u1.AddressOfData; ++names, ++addresses) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal))
                continue;
            const auto *name = reinterpret_cast<const IMAGE_IMPORT_BY_NAME *>(base + names->u1.AddressOfData);
            if (lstrcmpA(reinterpret_cast<const char *>(name->Name), function) == 0) {
                slot_ = reinterpret_cast<void **>(&addresses->u1.Function);
                original_ = *slot_;
                write(slot_, replacement);
                return;
            }
        }
    }
}

ImportPatch::~ImportPatch() {
    if (slot_)
        write(slot_, original_);
}

} // namespace plumaro::testing
