#pragma once
// The one owner of every command's outputs (see CommandFiles in cli/command.h): where
// each goes, what it may not replace, and the one safe write of its bytes.
#include "cli/command.h"

// Resolves the outputs' names: "-" or no option is standard output, an empty name a
// usage error (false, the message written).
bool resolveOutputs(const CliCommand& command, CommandRun& run);

// Refuses, before anything is read, an output that is an input or another output, one
// that cannot be written (a folder, a pipe, a device, a missing folder), text over a
// deck file, a deck file over any other file, and an existing deck file the base does
// not name; sets the base. False, the message written, when the command may not run.
bool guardOutputs(const CliCommand& command, CommandRun& run);

// Writes what the command produced, each output once, unless it failed or only
// checked; the exit status.
int writeOutputs(const CliCommand& command, CommandRun& run, int status);
