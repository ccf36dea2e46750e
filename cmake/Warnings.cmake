# Warnings, and sanitizers for the test build, applied to every target of the project.
add_compile_options(-Wall -Wextra -Wpedantic)
if(QUORVAL_WERROR)
    add_compile_options(-Werror)
endif()
if(QUORVAL_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
endif()

# GCC 12 at -O2 and above reports -Wrestrict inside std::string's own inlined copy code when a
# short literal is appended (a known false positive of that release, fixed in GCC 13); nothing in
# our code overlaps. Silence that one warning for that one compiler so the release build is quiet.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_GREATER_EQUAL 12
   AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    add_compile_options(-Wno-restrict)
endif()
