#pragma once

// Starts the program: the application object, the program folder (the
// executable's folder, or the folder named by the one optional argument), the
// screens (see Program) with the password screen shown, then the event loop.
// Returns the exit code.
int runProgram(int argc, char** argv);
