// The two ways the host runs. Each returns the process's exit code: 0 when
// the session ran and ended, 1 when it could not start, its input could not
// be read or its output not be written, 2 for a bad script. After a stop signal (see App/StopSignals.h)
// the program ends with 128 + the signal's number instead.
#pragma once

struct FHmdEditorOptions;

/** Runs the script of --script headless, printing the "screen" actions to standard output. */
int RunHeadless(const FHmdEditorOptions& Options);

/** Runs in the terminal; where there is no terminal front end it says so and returns 2. */
int RunInteractive(const FHmdEditorOptions& Options);
