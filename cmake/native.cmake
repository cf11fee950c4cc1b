# Host build of the platform-free code: tests under AddressSanitizer and
# UndefinedBehaviorSanitizer, the fuzzer, and (without sanitizers) the benchmarks.
option(VISTREL_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" ON)

find_package(JPEG REQUIRED)
find_package(PNG REQUIRED)
find_package(GTest REQUIRED)

if(VISTREL_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
add_compile_options(-Wall -Wextra)
