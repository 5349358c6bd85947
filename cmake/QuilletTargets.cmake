# Compiler settings shared by every target of the suite.

if(QUILLET_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer
                      -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

# quillet_warnings(target): the warning set of our own code (never third-party).
function(quillet_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic
    -Wshadow -Wconversion -Wno-sign-conversion)
  if(QUILLET_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
