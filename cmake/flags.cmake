# Warning and sanitizer settings for our own targets (not for GoogleTest).
set(TESSEL_WARNINGS -Wall -Wextra -Werror)

if(TESSEL_WIN32)
  # Static C and C++ runtimes: the exe needs no DLL beyond Windows' own.
  set(TESSEL_STATIC_LINK -static -static-libgcc -static-libstdc++)
  add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
  add_link_options(${TESSEL_STATIC_LINK})
  # Size before speed (the launcher's start-up is dominated by the loader,
  # not by its own code), and every function and datum in its own section
  # so that the linker drops what nothing calls.
  add_compile_options(-Os -ffunction-sections -fdata-sections)
  add_link_options(-Wl,--gc-sections)
  # For the launcher's own code: nothing in it catches an exception or asks
  # for a type at run time, so landing pads and type information would only
  # add to the file.
  set(TESSEL_LAUNCHER_CODE_OPTIONS -fno-exceptions -fno-rtti)
  # Every function-local static is first reached on the main thread before
  # any other thread starts; guarded initialisation would bring in the C++
  # runtime's exception and threads support for nothing.
  list(APPEND TESSEL_LAUNCHER_CODE_OPTIONS -fno-threadsafe-statics)
  # 32-bit Windows unwinds by the frame chain, not by tables: the unwind
  # tables would serve only C++ exceptions, which never pass this code.
  if(TESSEL_ARCH STREQUAL "x86")
    list(APPEND TESSEL_LAUNCHER_CODE_OPTIONS -fno-asynchronous-unwind-tables)
  endif()
else()
  set(TESSEL_SANITIZE -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  option(TESSEL_FUZZ "Build the libFuzzer harnesses instead (needs clang)" OFF)
  if(TESSEL_FUZZ)
    # Optimised a little: millions of inputs run through the same code.
    list(APPEND TESSEL_SANITIZE -fsanitize=fuzzer-no-link -O1 -gline-tables-only)
  endif()
  add_compile_options(${TESSEL_SANITIZE})
  add_link_options(${TESSEL_SANITIZE})
endif()

function(tessel_target name)
  target_compile_options(${name} PRIVATE ${TESSEL_WARNINGS})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
endfunction()
