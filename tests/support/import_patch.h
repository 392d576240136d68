// Replacing a system function that the code of this test program imports,
// so that a test sees the program's calls to it.
#pragma once

namespace plumaro::testing {

// For as long as it lives, the program's code in this test program calls
// `replacement` where it calls `function` of the system library `library`
// (through the program's import table; the system's own calls are not
// affected). The replacement may call original().
class ImportPatch {
public:
    ImportPatch(const char *library, const char *function, void *replacement);
    ~ImportPatch();
    ImportPatch(const ImportPatch &) = delete;
    ImportPatch &operator=(const ImportPatch &) = delete;

    // False if this program does not import the function.
    explicit operator bool() const { return slot_ != nullptr; }
    void *original() const { return original_; }

private:
    void **slot_ = nullptr;
    void *original_ = nullptr;
};

} // namespace plumaro::testing
