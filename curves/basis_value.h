#pragma once
// The radial basis function phi(x; r) selected by app.basis, with C = app.c.

// phi at the signed parameter distance x with shape parameter r.
double basis_value(double x, double r);
