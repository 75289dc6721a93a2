# Linux i386 build with clang for the libFuzzer targets: the library and the
# targets carry coverage instrumentation, AddressSanitizer and UBSan.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_C_COMPILER clang)
set(CMAKE_CXX_COMPILER clang++)
set(pat_fuzz_flags "-m32 -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer")
set(CMAKE_C_FLAGS_INIT "${pat_fuzz_flags}")
set(CMAKE_CXX_FLAGS_INIT "${pat_fuzz_flags}")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-m32 -fsanitize=address,undefined")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-m32 -fsanitize=address,undefined")
set(CMAKE_LIBRARY_ARCHITECTURE i386-linux-gnu)
set(CMAKE_FIND_ROOT_PATH /usr/lib/i386-linux-gnu /usr)
