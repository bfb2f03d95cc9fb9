# Java 8 jars built with the installed JDK's javac and jar.
find_package(Java 1.8 REQUIRED COMPONENTS Development Runtime)

# tessel_java_jar(TARGET JAR file SOURCE_DIR dir [MODULE_NAME name] [USES jar-targets...])
# Compiles every .java file below SOURCE_DIR for Java 8 against the jars of
# USES and packs the classes into JAR in this directory's binary dir. The jar
# is an automatic module named MODULE_NAME when one is given. The target
# carries the jar's path as its property JAR_FILE.
function(tessel_java_jar target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "JAR;SOURCE_DIR;MODULE_NAME" "USES")
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${arg_SOURCE_DIR}/*.java)
  set(jar ${CMAKE_CURRENT_BINARY_DIR}/${arg_JAR})
  set(classes ${CMAKE_CURRENT_BINARY_DIR}/${target}.classes)
  set(manifest ${CMAKE_CURRENT_BINARY_DIR}/${target}.manifest)
  set(content "Manifest-Version: 1.0\n")
  if(arg_MODULE_NAME)
    string(APPEND content "Automatic-Module-Name: ${arg_MODULE_NAME}\n")
  endif()
  file(CONFIGURE OUTPUT ${manifest} CONTENT "${content}")

  set(class_path)
  set(used_jars)
  foreach(used ${arg_USES})
    get_target_property(used_jar ${used} JAR_FILE)
    list(APPEND used_jars ${used_jar})
  endforeach()
  if(used_jars)
    # The native tree is built on a Unix host.
    list(JOIN used_jars ":" joined)
    set(class_path -classpath ${joined})
  endif()

  # The class directory starts empty so that removed sources leave no classes behind.
  add_custom_command(OUTPUT ${jar}
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${classes}
    COMMAND ${Java_JAVAC_EXECUTABLE} --release 8 -Xlint:all -Werror -encoding UTF-8
            ${class_path} -d ${classes} ${sources}
    COMMAND ${Java_JAR_EXECUTABLE} --create --file ${jar} --manifest ${manifest} -C ${classes} .
    DEPENDS ${sources} ${manifest} ${used_jars} ${arg_USES}
    COMMENT "Building ${arg_JAR}"
    VERBATIM)
  add_custom_target(${target} ALL DEPENDS ${jar})
  set_target_properties(${target} PROPERTIES JAR_FILE ${jar})
endfunction()
