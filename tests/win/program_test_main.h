// The arguments of the tests that drive the built program as a process of its own.
#pragma once

#include <string>

// Given after GoogleTest's own arguments: the program, and the folder of the record it runs on.
extern std::string programPath;
extern std::string sampleFolder;
