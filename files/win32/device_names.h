#pragma once
// Windows device names, which name a device in every folder and with any extension
// ("C:\decks\nul.tvn" is the null device), and paths that name devices directly.
#include <string>

bool namesWindowsDevice(const std::string& path);
