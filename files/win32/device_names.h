#pragma once
// Windows device names, which name a device in every folder, with any extension or
// stream ("C:\decks\nul.tvn", "NUL::$DATA" and "COM1:9600" are devices), and paths that
// name devices directly ("\\.\").
#include <string>

bool namesWindowsDevice(const std::string& path);
