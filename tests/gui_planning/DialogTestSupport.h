#pragma once
// The dialog tests find controls, show windows and type as the grid tests do.

#include "gui_ui/GridTestSupport.h"
