# Warnings on everywhere, errors in CI; sanitizers for the test build.
add_library(vornic_warnings INTERFACE)
target_compile_options(vornic_warnings INTERFACE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                                                 -Wno-sign-conversion)
if(VORNIC_WERROR)
  target_compile_options(vornic_warnings INTERFACE -Werror)
endif()
if(VORNIC_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()
if(VORNIC_FUZZ)
  # Coverage for libFuzzer in every library; the fuzz targets link the fuzzer's own main.
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer
                      -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()
