# The generic launcher: a 32-bit GUI executable, stripped so that its file
# ends with its last section, where the configuration block is appended.
# The core calls back into the shell (log, error display), hence the repeat.
add_executable(launcher WIN32 ${PROJECT_SOURCE_DIR}/launcher/win32/main.cpp
  ${PROJECT_SOURCE_DIR}/resources/launcher.rc)
tessel_target(launcher)
target_link_libraries(launcher PRIVATE tessel_win32 tessel_core tessel_win32)
target_link_options(launcher PRIVATE -s)
set(TESSEL_DIST_DIR ${PROJECT_SOURCE_DIR}/dist CACHE PATH "Where the launcher executable is copied")
add_custom_command(TARGET launcher POST_BUILD
  COMMAND sh ${PROJECT_SOURCE_DIR}/cmake/finish_launcher.sh $<TARGET_FILE:launcher>
  COMMAND ${CMAKE_COMMAND} -E make_directory ${TESSEL_DIST_DIR}
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:launcher> ${TESSEL_DIST_DIR}/launcher.exe)
