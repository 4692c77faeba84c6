#pragma once

// Starts the program: the application object, the program folder (the
// executable's folder, or the folder named by the one optional argument) and
// the first screen, then runs the event loop. Returns the exit code.
int runProgram(int argc, char** argv);
