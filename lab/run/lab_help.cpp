#include "lab/lab_help.h"

#include "lab/lab_engine.h"

namespace curvix {

namespace {

const char* const PROGRAM_HELP =
    "usage: curvix-lab COMMAND [OPTIONS]\n"
    "\n"
    "Curvix's curves and subdivision schemes from the command line.\n"
    "\n"
    "commands:\n"
    "  mask        insertion weights of one subdivision stencil\n"
    "  refine      refine a closed polygon by a subdivision scheme\n"
    "  curve       sample a Lagrange, Bezier or RBF curve over points\n"
    "  smoothness  sum rules, reproduction and regularity of a rule or scheme\n"
    "\n"
    "options:\n"
    "  -h, --help  this text; 'curvix-lab COMMAND --help' for a command\n"
    "\n"
    "example:\n"
    "  curvix-lab refine --scheme dd --levels 3 --format svg --output square.svg square.txt\n";

#define LAB_SETTINGS_HELP                                                    \
  "  --basis mq1|mq3|gs   radial basis (default mq1)\n"                      \
  "  --r R                basis shape parameter r (default 1)\n"             \
  "  --c C                basis constant C (default 1)\n"                    \
  "  --pd D               degree of the polynomial part (default 1)\n"       \
  "  --h H                spacing of uniform parameter values (default 1)\n" \
  "  --w W                tension of the four-point rule (default 0.125)\n"

#define LAB_OUTPUT_HELP(FORMATS)                                                 \
  "  --format " FORMATS                                                          \
  "\n"                                                                           \
  "                       output format (default text; text rounds numbers to\n" \
  "                       10 digits; csv and json give the shortest digits\n"    \
  "                       that read back exactly)\n"                             \
  "  --output FILE        write the result to FILE, whole or not at all\n"       \
  "                       (default standard output)\n"

#define LAB_INPUT_HELP                                                               \
  "INPUT holds one point a line, \"x,y\" or \"x y\", y downward as in the window;\n" \
  "'#' starts a comment. Without INPUT, or with '-', points are read from\n"         \
  "standard input. Input is at most 16 MiB.\n"

const char* const MASK_HELP =
    "usage: curvix-lab mask --scheme rbf4|rbf6|nr4|dd [OPTIONS]\n"
    "\n"
    "Prints the insertion weights of one stencil, their sum and the degree of\n"
    "the polynomials the rule reproduces.\n"
    "\n"
    "options:\n"
    "  --scheme S           rbf4, rbf6, nr4 or dd (required)\n" LAB_SETTINGS_HELP
    "  --params T1,...,Ts   parameter values of an RBF stencil, strictly increasing,\n"
    "                       4 for rbf4, 6 for rbf6 (default (m - 1) h)\n"
    "  --sweep NAME=FROM:TO:STEP\n"
    "                       one row per value of NAME (r, c or h) from FROM to TO\n"
    "                       (default no sweep; at most 10000 rows)\n" LAB_OUTPUT_HELP(
        "text|csv|json") "\n"
    "example:\n"
    "  curvix-lab mask --scheme rbf4 --basis gs --sweep r=0.5:2:0.25 --format csv\n";

const char* const REFINE_HELP =
    "usage: curvix-lab refine --scheme rbf4|rbf6|nr4|dd [OPTIONS] [INPUT]\n"
    "\n"
    "Refines the closed polygon through the input points (at least 2) as the\n"
    "program's subdivision command does.\n"
    "\n"
    "options:\n"
    "  --scheme S           rbf4, rbf6, nr4 or dd (required)\n" LAB_SETTINGS_HELP
    "  --levels K           number of refinement levels (default 1; the last\n"
    "                       level holds at most 131072 points)\n"
    "  --stationary         r follows the halving spacing (default off)\n"
    "  --knots t1,...,tN    parameter values of the N input points, strictly\n"
    "                       increasing (default (i - 1) h)\n"
    "  --all-levels         output every level, level 0 being the input\n"
    "                       (default the last level only)\n"
    "  --threads N          threads a level's stencils are split over; the\n"
    "                       result is the same for any N (default: one per core)\n" LAB_OUTPUT_HELP(
        "text|csv|json|svg") "\n" LAB_INPUT_HELP
                             "\n"
                             "example:\n"
                             "  curvix-lab refine --scheme rbf4 --levels 2 --all-levels --format "
                             "json square.txt\n";

const char* const CURVE_HELP =
    "usage: curvix-lab curve --kind lagrange|bezier|rbf [OPTIONS] [INPUT]\n"
    "\n"
    "Samples the curve of the given kind over the input points (at least 1).\n"
    "\n"
    "options:\n"
    "  --kind K             lagrange, bezier or rbf (required)\n" LAB_SETTINGS_HELP
    "  --samples M          number of samples, 2 to 1000000 (default 501); M times\n"
    "                       the terms a sample sums (N^2 for lagrange, N for\n"
    "                       bezier, N + D + 1 for rbf) is at most 100000000, and\n"
    "                       an rbf curve's N + D + 1 at most 1000\n"
    "  --knots t1,...,tN    parameter values of the N input points, strictly\n"
    "                       increasing (default (i - 1) h)\n" LAB_OUTPUT_HELP(
        "text|csv|json|svg") "\n" LAB_INPUT_HELP
                             "\n"
                             "example:\n"
                             "  curvix-lab curve --kind rbf --basis mq3 --samples 200 --format svg "
                             "points.txt\n";

const char* const SMOOTHNESS_HELP_HEAD =
    "usage: curvix-lab smoothness (--scheme S [SETTINGS] | --weights w1,...,w2L) [OPTIONS]\n"
    "\n"
    "How smooth the limit curves of a rule or scheme are: sum rules, reproduction\n"
    "degree, Holder bounds from products up to --depth, then the exact Holder\n"
    "regularity (invariant polytope, with its product and vertices) or, where it\n"
    "cannot be had, tighter bounds with their gap and the reason, and the\n"
    "smoothness class that follows. The weights shown are those analysed: typed\n"
    "weights that meet sum rules only up to rounding are moved onto them.\n"
    "\n"
    "rbf4 and rbf6 are analysed as the subdivision command runs them: the mask of\n"
    "each level (h halved per level; r fixed, or halved with --stationary), whether\n"
    "the scheme is stationary (every level's mask equal within rounding) and, if\n"
    "not, the flat limit the masks approach, checked against their extrapolation,\n"
    "the rate, the limit rule's regularity and what asymptotic similarity shows.\n"
    "Levels whose stencil systems pass condition 1e12 are flagged untrusted.\n"
    "\n"
    "options:\n"
    "  --scheme S           rbf4, rbf6, nr4 or dd (or give --weights)\n"
    "  --weights w1,...,w2L insertion weights of a rule, an even number, at most\n"
    "                       32 (or give --scheme)\n"
    "settings, with --scheme only:\n" LAB_SETTINGS_HELP
    "  --levels K           levels of rbf4 and rbf6 analysed, 2 to 30 (default 10)\n"
    "  --stationary         rbf4 and rbf6: r follows the halving spacing (default off)\n"
    "  --sweep NAME=FROM:TO:STEP\n"
    "                       one analysis per value of NAME: w for nr4, r, c or h\n"
    "                       for rbf4 and rbf6 (default no sweep; at most 256\n"
    "                       values, and the cost below summed over a sweep's\n"
    "                       analyses at most 2^31, two per value for rbf4 and\n"
    "                       rbf6)\n"
    "  --depth L            steps used by the Holder estimates (default ";
const char* const SMOOTHNESS_HELP_TAIL =
    ")\n"
    "                       and 2^(L+1) times the number of weights cubed is\n"
    "                       at most 2^26\n" LAB_OUTPUT_HELP("text|csv|json|svg") "\n"
    "svg draws a sweep: the regularity against the swept value over the shaded\n"
    "smoothness classes.\n"
    "\n"
    "example:\n"
    "  curvix-lab smoothness --weights -0.0625,0.5625,0.5625,-0.0625\n"
    "  curvix-lab smoothness --scheme rbf4 --basis gs --stationary --format json\n"
    "  curvix-lab smoothness --scheme nr4 --sweep w=0:0.2:0.001 --format svg --output nr4.svg\n";

}  // namespace

std::string help_text(LabCommand command) {
  switch (command) {
    case LabCommand::MASK: return MASK_HELP;
    case LabCommand::REFINE: return REFINE_HELP;
    case LabCommand::CURVE: return CURVE_HELP;
    case LabCommand::SMOOTHNESS:
      return SMOOTHNESS_HELP_HEAD + std::to_string(default_smoothness_depth()) +
             SMOOTHNESS_HELP_TAIL;
    case LabCommand::NONE: break;
  }
  return PROGRAM_HELP;
}

}  // namespace curvix
