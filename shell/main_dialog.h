#pragma once
// The main dialog's logic, free of any platform: the start-up sequence and the one
// command dispatch. The Win32 dialog procedure only forwards to these.

class Dialog;

// Every count, filter, list and panel value back to its start-up state.
void resetProgramState();

void onInitDialog(Dialog& dialog);
void onCommand(Dialog& dialog, int id, int notifyCode);
