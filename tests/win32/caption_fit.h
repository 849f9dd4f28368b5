#pragma once
// Whether a dialog's fixed captions fit their controls, measured with the dialog's own
// font as the system's controls draw them; shared by the tests of both programs.
#include <windows.h>

#include <string>

// The face a device context draws with.
std::string faceOf(HDC dc);

// Fails the running test for every caption of `dialog`, made from template `id` of
// `module`, that is cut or wrapped out of sight.
void expectCaptionsFit(HMODULE module, HWND dialog, int id, WORD language);
