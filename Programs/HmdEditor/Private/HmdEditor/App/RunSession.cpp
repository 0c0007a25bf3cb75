#include "HmdEditor/App/RunSession.h"

#include "HmdEditor/App/HmdEditorSession.h"

#include <cstdio>

namespace
{
	int ReportSessionError(const std::string& Error)
	{
		std::fprintf(stderr, "hmd-editor: %s\n", Error.c_str());
		return 1;
	}
}

int RunSession(const FHmdEditorOptions& Options, const FRunSessionFrontEnd& RunFrontEnd)
{
	FHmdEditorSession Session;
	if (const TValueOrError<void, std::string> Started = Session.Startup(Options); Started.HasError())
	{
		// The session's destructor shuts down what did start.
		return ReportSessionError(Started.GetError());
	}
	const TValueOrError<void, std::string> Ran = RunFrontEnd(Session);
	Session.Shutdown();
	if (Ran.HasError())
	{
		return ReportSessionError(Ran.GetError());
	}
	return 0;
}
