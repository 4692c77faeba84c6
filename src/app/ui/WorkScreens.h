#pragma once

class Program;

// Creates the work screens of the program and hands them to `program`.
void createWorkScreens(Program& program);
