#pragma once

// Starts the program: the application object, the program folder (the
// executable's folder, or the folder named by the one optional argument), the
// screens (see Program) with the password screen shown, then the event loop.
// Returns the exit code.
//
// With VELLARMO_EXIT_AFTER_FIRST_PAINT=1 in the environment the program ends
// right after the password screen's first paint: the start-up benchmark
// (bench/StartupBench.cpp) times it so. Nobody else sets it.
int runProgram(int argc, char** argv);
