# The compiler warnings of every target of ours, named once for each project
# that builds our code (the program's, the fuzz targets', the font maker's).
# -ffp-contract=off sits beside them: results must be reproducible bit for
# bit, so no fused multiply-add is formed.
set(CURVIX_WARNINGS
  -Wall -Wextra -Wpedantic -Wshadow -Wconversion
  -Wold-style-cast -Wnon-virtual-dtor -Woverloaded-virtual -Wcast-align
  -Wnull-dereference -Wdouble-promotion -Wformat=2 -Wimplicit-fallthrough
  -ffp-contract=off)
