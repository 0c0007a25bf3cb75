// ISlateRenderer: shows the painted surface (on a terminal, in a test's
// record of frames, ...). The application hands it the surface each time it
// is about to wait for input.
#pragma once

class FSlateSurface;

class ISlateRenderer
{
public:
	virtual ~ISlateRenderer() = default;
	virtual void Present(const FSlateSurface& Surface) = 0;
};
