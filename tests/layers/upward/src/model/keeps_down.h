#pragma once

#include "cell_model.h"
#include "platform/platform.h"
