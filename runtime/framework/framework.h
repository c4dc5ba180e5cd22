// The platform-free part of the framework in one include.
#pragma once

#include "fw_array.h"
#include "fw_file.h"
#include "fw_geometry.h"
#include "fw_object.h"
#include "fw_string.h"
#include "fw_types.h"
