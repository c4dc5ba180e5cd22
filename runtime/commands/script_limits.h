// How far a script can make its lists, streams and buffers grow: a count, size or position taken
// from a script never makes the program take memory without bound. Beyond these, the command that
// would grow does nothing and answers its failure.
#pragma once

#include <cstdint>

#include "fw_types.h"

constexpr INT_PTR kMaxScriptListEntries = INT_PTR(1) << 24;  // entries of one list
constexpr unsigned kMaxScriptBytes = 1u << 28;  // bytes of one stream or buffer
