// Export markers: HMD_DLLEXPORT and HMD_DLLIMPORT, of which every engine
// library's own marker is made, and CORE_API, the marker of the core library.
#pragma once

#if defined(_WIN32)
#define HMD_DLLEXPORT __declspec(dllexport)
#define HMD_DLLIMPORT __declspec(dllimport)
#else
#define HMD_DLLEXPORT __attribute__((visibility("default")))
#define HMD_DLLIMPORT __attribute__((visibility("default")))
#endif

#ifndef CORE_API
#define CORE_API HMD_DLLIMPORT
#endif
