# Warnings, and sanitizers for the test build, applied to every target of the project.
add_compile_options(-Wall -Wextra -Wpedantic)
if(QUORVAL_WERROR)
    add_compile_options(-Werror)
endif()
if(QUORVAL_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
endif()
