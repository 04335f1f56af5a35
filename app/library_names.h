#pragma once
// The library's variants and colours, which the program's state and commands
// name unqualified, as the program's documentation does.

#include "curves/basis_kind.h"
#include "curves/colours.h"
#include "curves/curve_mode.h"
#include "subdivision/scheme_kind.h"

using curvix::BASIS_GS;
using curvix::BASIS_MQ1;
using curvix::BASIS_MQ3;
using curvix::BasisKind;

using curvix::CURVE_BEZIER;
using curvix::CURVE_LAGRANGE;
using curvix::CURVE_NONE;
using curvix::CURVE_RBF;
using curvix::CurveMode;

using curvix::SCHEME_DD;
using curvix::SCHEME_NR4;
using curvix::SCHEME_RBF4;
using curvix::SCHEME_RBF6;
using curvix::SchemeKind;

using curvix::BACKGROUND_GREY;
using curvix::Colour;
using curvix::CURVE_COLOUR;
using curvix::CURVE_LINE_COLOUR;
using curvix::FOUR_POINT_LEVEL_COLOUR;
using curvix::INK_COLOUR;
using curvix::PREVIOUS_LEVEL_COLOUR;
using curvix::RBF_LEVEL_COLOUR;
