#pragma once

#include <QString>
#include <gtest/gtest.h>

// Tests that need a program of the system (pdftotext, soffice, ...) find it
// here. Where such a program is missing the test skips, with the reason shown;
// where the tests are required to run (CI sets VELLARMO_REQUIRE_TOOLS=1) a
// missing program is a failure instead, so that nothing passes untested.

// The full path of `name` as found on PATH, or an empty string.
QString toolPath(const QString& name);

// True where a missing tool must fail the test rather than skip it.
bool toolsRequired();

// Skips the test (or fails it where tools are required) unless `available`;
// `what` says what is missing. For needs other than a program on PATH, such
// as a Python module.
#define REQUIRE_AVAILABLE(available, what)                                                         \
    do {                                                                                           \
        if (!(available)) {                                                                        \
            if (toolsRequired())                                                                   \
                FAIL() << "required but missing (VELLARMO_REQUIRE_TOOLS=1): " << (what);           \
            GTEST_SKIP() << "skipped, missing: " << (what);                                        \
        }                                                                                          \
    } while (false)

// Skips the test (or fails it where tools are required) unless the program
// `name` is on PATH; toolPath(name) then gives its full path.
#define REQUIRE_TOOL(name) REQUIRE_AVAILABLE(!toolPath(QString::fromUtf8(name)).isEmpty(), (name))
