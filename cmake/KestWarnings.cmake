# kest_warnings(target): the project's warning set, errors when KEST_WERROR is on.
function(kest_warnings target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wshadow -Wnon-virtual-dtor -Wold-style-cast -Wcast-qual -Wformat=2
    -Wundef -Wdouble-promotion -Wconversion -Wsign-conversion -Wnull-dereference)
  if(KEST_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
