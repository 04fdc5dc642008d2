# kest::warnings: the project's warning set, errors when KEST_WERROR is on. Each target of the
# project's own sources links it PRIVATE, so that it reaches no target that links that one.
add_library(kest_warnings INTERFACE)
add_library(kest::warnings ALIAS kest_warnings)
target_compile_options(kest_warnings INTERFACE
  -Wall -Wextra -Wshadow -Wnon-virtual-dtor -Wold-style-cast -Wcast-qual -Wformat=2
  -Wundef -Wdouble-promotion -Wconversion -Wsign-conversion -Wnull-dereference
  $<$<BOOL:${KEST_WERROR}>:-Werror>)
