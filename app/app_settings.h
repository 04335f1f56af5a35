#pragma once
// The library's settings values as the program's state holds them.

#include "curves/rbf_settings.h"

// app.basis, app.c, app.r and app.pd.
curvix::RbfSettings app_rbf_settings();
