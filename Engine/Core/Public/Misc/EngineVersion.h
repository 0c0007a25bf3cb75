// The engine release this editor layer stands in for; plugins name their
// per-release folders after it.
#pragma once

#define ENGINE_MAJOR_VERSION 4
#define ENGINE_MINOR_VERSION 20
