#pragma once

#include <QProcess>
#include <QStringList>
#include <memory>

// Runs part of a test in a second process, as a second desk sharing the data
// folder would: the same test binary started again with "--child NAME ARGS".
// A child is declared with TEST_CHILD(Name) { ... return exitCode; } and sees
// its arguments as `args`; what it prints on standard output goes back to the
// test.
using ChildMain = int (*)(const QStringList& args);

struct ChildRegistration {
    ChildRegistration(const char* name, ChildMain main);
};

#define TEST_CHILD(name)                                                                           \
    static int name##Child(const QStringList& args);                                               \
    static const ChildRegistration name##Registration(#name, name##Child);                         \
    static int name##Child(const QStringList& args)

// Starts the child `name`; the caller waits for it.
std::unique_ptr<QProcess> startChild(const QString& name, const QStringList& args);

// In main(): when the process was started as a child, runs it and returns
// true with its exit code in `exitCode`.
bool runChildIfAsked(int argc, char** argv, int* exitCode);
