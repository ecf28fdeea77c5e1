#pragma once

// A compare window header that reaches into another window's folder: the
// layer check must refuse it; the printouts below the windows it may use.
#include "output/print_job.h"
#include "sheet/sheet_window.h"
