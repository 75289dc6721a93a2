# Linux x86-64 build with clang for the libFuzzer targets at native speed: the
# library and the targets carry coverage instrumentation, ASan (with
# LeakSanitizer) and UBSan.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER clang)
set(CMAKE_CXX_COMPILER clang++)
set(pat_fuzz_flags "-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer")
set(CMAKE_C_FLAGS_INIT "${pat_fuzz_flags}")
set(CMAKE_CXX_FLAGS_INIT "${pat_fuzz_flags}")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-fsanitize=address,undefined")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-fsanitize=address,undefined")
set(CMAKE_LIBRARY_ARCHITECTURE x86_64-linux-gnu)
