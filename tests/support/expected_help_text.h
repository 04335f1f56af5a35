#pragma once
// The help text the program prints at start-up, word for word: fourteen lines,
// the banner's trailing blank and the final empty line included.

constexpr const char* EXPECTED_HELP_TEXT =
    "Curvix tools by curvix@example.org 2002/12/27 \n"
    "b : select basis (multiquadrics, gaussian)\n"
    "    mq1 beta=1 (x^2+C^2*r^2)^(1/2)\n"
    "    mq3 beta=3 (x^2+C^2*r^2)^(3/2)\n"
    "    gs exp(-r*x^2)\n"
    "<>: decrease, increase r values in the basis function\n"
    "kl: decrease, increase C values in the basis function\n"
    "a : select schemes (RBF4, RBF6, NR4, D-D)\n"
    "    rbf4 : Rational Basis Function 4point subdivision scheme\n"
    "    rbf6 : Rational Basis Function 6point subdivision scheme\n"
    "    NR4  : Nira Dyn 4point subdivision scheme\n"
    "    D-D  : Deslauries and Dubuc 4point subdivision scheme\n"
    "hj: decrease, increase W values in the NR4 subdivision scheme\n"
    "\n";
