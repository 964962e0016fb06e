# Flags of the sanitizer build: every file of the core, its tests and the fuzz
# targets with AddressSanitizer and UndefinedBehaviorSanitizer, any report
# fatal, and the core instrumented for libFuzzer's coverage feedback.
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  message(FATAL_ERROR "STELUX_FUZZ braucht clang: -DCMAKE_CXX_COMPILER=clang++")
endif()
add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all
                    -fno-omit-frame-pointer -fsanitize=fuzzer-no-link)
add_link_options(-fsanitize=address,undefined -fno-sanitize-recover=all)
