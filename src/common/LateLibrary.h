#pragma once

#include <QLibrary>
#include <QString>

// A C library loaded when one of its functions is first needed rather than
// when the program starts: the program is not linked to it, so its code and
// its own set-up cost the start nothing. Its header still gives the types,
// and each function is resolved by name into a pointer of the function's own
// type, so a call through it is checked as a direct call would be. The
// library stays loaded for the rest of the run.
class LateLibrary {
public:
    // `name` without "lib" and ".so", `version` the major version of its
    // soname: ("crypto", 3) is libcrypto.so.3.
    LateLibrary(const QString& name, int version) : m_library(name, version) {}

    // False when the library cannot be found or loaded.
    bool load() { return m_library.isLoaded() || m_library.load(); }

    // Points `function` at the library's `name`; false, with `function` null,
    // when the library lacks it.
    template <typename Function> bool resolve(const char* name, Function*& function) {
        // QLibrary hands every symbol out as void(*)(); its true type is the
        // one the library's header declares.
        function = reinterpret_cast<Function*>(m_library.resolve(name));
        return function != nullptr;
    }

private:
    QLibrary m_library;
};
