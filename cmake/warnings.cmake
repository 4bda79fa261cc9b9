# Strict warnings, as errors, for the project's own targets.
function(tovask_warnings target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wpedantic -Wconversion -Wshadow -Wnon-virtual-dtor -Werror)
endfunction()
