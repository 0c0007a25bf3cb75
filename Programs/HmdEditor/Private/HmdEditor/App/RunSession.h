// What both modes of the host do around their front end: start a session,
// run it, shut it down, and report what went wrong on standard error.
#pragma once

#include "Templates/ValueOrError.h"

#include <functional>
#include <string>

class FHmdEditorSession;
struct FHmdEditorOptions;

/** Runs the started session on the mode's front end; the error is the sentence for the user. */
using FRunSessionFrontEnd = std::function<TValueOrError<void, std::string>(FHmdEditorSession& Session)>;

/**
 * Starts a session with Options, hands it to RunFrontEnd and shuts it down
 * when that returns, so that an open settings window is closed and saved
 * whatever the front end came to. A session that cannot start (said at once)
 * or a front end's error (said after the shut-down) is reported on standard
 * error and gives 1; otherwise 0.
 */
int RunSession(const FHmdEditorOptions& Options, const FRunSessionFrontEnd& RunFrontEnd);
