#include "App/HostModes.h"

#include <cstdio>

int RunInteractive(const FHmdEditorOptions& /*Options*/)
{
	std::fprintf(stderr, "hmd-editor: the terminal front end is not available on Windows; run headless with --script FILE\n");
	return 2;
}
