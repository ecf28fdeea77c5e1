#pragma once

// A files header that reaches into the main window's folder: the layer check
// must refuse it.
#include "main/main_window.h"
#include "model/main_model.h"
