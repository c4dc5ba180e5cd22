// The print job a Printer object keeps for its whole life: made with the object's window, used
// by every printing command.
#pragma once

#include "print_job.h"
#include "project_model.h"

struct PrintJobPart : ObjectPart {
    CPrintJob Job;
};
