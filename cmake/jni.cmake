# jni.h comes from an installed JDK; jni_md.h, the machine-dependent part for
# Windows, is our own and comes first (the JDK's sits in a platform
# subdirectory that is not on the path).
file(GLOB jni_headers /usr/lib/jvm/*/include/jni.h)
if(NOT jni_headers)
  message(FATAL_ERROR "jni.h not found under /usr/lib/jvm; install a JDK (scripts/install-deps.sh)")
endif()
list(GET jni_headers 0 jni_header)
get_filename_component(TESSEL_JNI_INCLUDE ${jni_header} DIRECTORY)
set(TESSEL_JNI_MD_INCLUDE ${PROJECT_SOURCE_DIR}/windows/JavaVMLauncher)
add_library(tessel_jni INTERFACE)
target_include_directories(tessel_jni INTERFACE ${TESSEL_JNI_MD_INCLUDE} ${TESSEL_JNI_INCLUDE})
