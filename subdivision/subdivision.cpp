#include "subdivision/subdivision.h"

void subdivide_rbf(int) {}

void subdivide_nr4() {}

void subdivide_dd() {}
