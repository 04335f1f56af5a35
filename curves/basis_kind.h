#pragma once

// The radial basis function in use; the key "b" steps through the values in order.
enum BasisKind : int {
  BASIS_MQ1 = 0,  // multiquadric, beta = 1: (x^2 + C^2 r^2)^(1/2)
  BASIS_MQ3 = 1,  // multiquadric, beta = 3: (x^2 + C^2 r^2)^(3/2)
  BASIS_GS = 2,   // gaussian: exp(-r x^2)
};
