// Writes a ProjectPlan as a stored project stream, exactly in the form the runtime's reader reads,
// and appends it with its trailer to a program file.
#pragma once

#include <string>

#include "project_plan.h"

namespace qbkw {

// The scrambled stream (magic, command words or nested lists, windows, files). Throws
// std::runtime_error for what the stored form cannot hold (a zero byte inside a field).
std::string WriteProjectStream(const ProjectPlan& project);

// The 9-byte trailer that points at a stream beginning at offset (at most 8 decimal digits).
std::string MakeTrailer(uint64_t offset);

// program bytes + stream + trailer: what the runtime finds at the end of its own file.
std::string AppendProject(const std::string& program, const ProjectPlan& project);

// Plain <-> stored bytes.
std::string Scramble(const std::string& plain);
std::string Unscramble(const std::string& stored);

// Reads or writes a whole file; throw std::runtime_error on failure.
std::string ReadWholeFile(const std::string& path);
void WriteWholeFile(const std::string& path, const std::string& bytes);

}  // namespace qbkw
