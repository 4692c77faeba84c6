#pragma once

class ProgramFolder;
struct Services;

// Starts the program: the application object, the program folder (the
// executable's folder, or the folder named by the one optional argument), the
// screens (see Program) with the password screen shown, then the event loop.
// Returns the exit code.
//
// With VELLARMO_EXIT_AFTER_FIRST_PAINT=1 in the environment the program ends
// right after the password screen's first paint, and with
// VELLARMO_EXIT_WHEN_READY=1 once every screen has been made: the start-up
// benchmark (bench/StartupBench.cpp) times it so. Nobody else sets them.
int runProgram(int argc, char** argv);

// What start-up does with the data folder (`services.folder`) before the
// first screen: a folder that does not exist is said and refused (false); a
// data folder other than the program's own folder `programFolder` gets its
// key file with the first-access password when it has none.
bool prepareDataFolder(Services& services, const ProgramFolder& programFolder);
