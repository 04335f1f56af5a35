# The sources of the font reader, named once for every project that builds it
# (the program, the fuzz target, the font tool).
set(CURVIX_FONT_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/font_registry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/glf_reader.cpp)
