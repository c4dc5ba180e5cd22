// The DVD graph the DvdPlayer objects build: the system's unless a test puts its own.
#pragma once

#include "dvd_graph.h"

#include <memory>

using DvdGraphMaker = std::unique_ptr<DvdGraph> (*)();

// Answers the maker in use before.
DvdGraphMaker SetDvdGraphMaker(DvdGraphMaker maker);
