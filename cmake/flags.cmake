# Warning and sanitizer settings for our own targets (not for GoogleTest).
set(TESSEL_WARNINGS -Wall -Wextra -Werror)

if(TESSEL_WIN32)
  # Static C and C++ runtimes: the exe needs no DLL beyond Windows' own.
  set(TESSEL_STATIC_LINK -static -static-libgcc -static-libstdc++)
  add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
  add_link_options(${TESSEL_STATIC_LINK})
else()
  set(TESSEL_SANITIZE -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_compile_options(${TESSEL_SANITIZE})
  add_link_options(${TESSEL_SANITIZE})
endif()

function(tessel_target name)
  target_compile_options(${name} PRIVATE ${TESSEL_WARNINGS})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
endfunction()
