# The generic launcher: a GUI executable, stripped so that its file ends with
# its last section, where the configuration block is appended. The 32-bit one
# is dist/launcher.exe, the 64-bit one dist/launcher64.exe.
add_executable(launcher WIN32 ${PROJECT_SOURCE_DIR}/launcher/win32/main.cpp
  ${PROJECT_SOURCE_DIR}/launcher/win32/runtime_failures.cpp
  ${PROJECT_SOURCE_DIR}/launcher/win32/string_instances.cpp
  ${PROJECT_SOURCE_DIR}/resources/launcher.rc)
tessel_target(launcher)
target_compile_options(launcher PRIVATE ${TESSEL_LAUNCHER_CODE_OPTIONS})
target_link_libraries(launcher PRIVATE tessel_win32)
target_link_options(launcher PRIVATE -s)
set(TESSEL_DIST_DIR ${PROJECT_SOURCE_DIR}/dist CACHE PATH "Where the launcher executable is copied")
set(TESSEL_LAUNCHER_NAME_x86 launcher.exe)
set(TESSEL_LAUNCHER_NAME_x64 launcher64.exe)
add_custom_command(TARGET launcher POST_BUILD
  COMMAND sh ${PROJECT_SOURCE_DIR}/cmake/finish_launcher.sh $<TARGET_FILE:launcher> ${CMAKE_OBJDUMP}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${TESSEL_DIST_DIR}
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:launcher> ${TESSEL_DIST_DIR}/${TESSEL_LAUNCHER_NAME_${TESSEL_ARCH}})
