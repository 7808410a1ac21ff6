# add_bootstrapper_package(<target>
#     [OUTPUT_NAME <file name without .exe>]
#     [LANGUAGE <language module DLL> | LANGUAGE_TARGET <target>]
#     [SETTINGS <Settings.ini>]
#     [INSTALLERS <Name>=<file> ...])
#
# Builds one package: the bootstrapper executable with the given parts
# embedded as resources: the language module as LANGUAGE/LANG_BOOTSTRAPPER,
# the settings as TEXT/SETTINGS_INI, each installer as
# INSTALLER/INSTALLER_<Name with blanks as _>. A part left out is simply not
# embedded (a package without settings runs from a Settings.ini beside it).
function(add_bootstrapper_package target)
  cmake_parse_arguments(P "" "OUTPUT_NAME;LANGUAGE;LANGUAGE_TARGET;SETTINGS" "INSTALLERS" ${ARGN})
  set(rc "${CMAKE_CURRENT_BINARY_DIR}/${target}.package.rc")
  set(content "// Generated: the resources of the package \"${target}\".\n")
  string(APPEND content "1 VERSIONINFO\nFILEVERSION 1,0,0,0\nPRODUCTVERSION 1,0,0,0\nFILEOS 0x4\nFILETYPE 0x1\n")
  string(APPEND content "BEGIN\n BLOCK \"StringFileInfo\"\n BEGIN\n  BLOCK \"040904E4\"\n  BEGIN\n")
  string(APPEND content "   VALUE \"FileDescription\", \"Veltrane Installation Bootstrapper\"\n")
  string(APPEND content "   VALUE \"ProductName\", \"InstallationBootstrapper\"\n   VALUE \"FileVersion\", \"1.0.0.0\"\n")
  string(APPEND content "  END\n END\n BLOCK \"VarFileInfo\"\n BEGIN\n  VALUE \"Translation\", 0x409, 1252\n END\nEND\n")
  set(specs "")
  set(depends "")
  if(P_LANGUAGE_TARGET)
    list(APPEND specs "LANGUAGE:LANG_BOOTSTRAPPER=$<TARGET_FILE:${P_LANGUAGE_TARGET}>")
    list(APPEND depends ${P_LANGUAGE_TARGET})
  elseif(P_LANGUAGE)
    get_filename_component(language "${P_LANGUAGE}" ABSOLUTE)
    list(APPEND specs "LANGUAGE:LANG_BOOTSTRAPPER=${language}")
    list(APPEND depends "${language}")
  endif()
  if(P_SETTINGS)
    get_filename_component(settings "${P_SETTINGS}" ABSOLUTE)
    list(APPEND specs "TEXT:SETTINGS_INI=${settings}")
    list(APPEND depends "${settings}")
  endif()
  foreach(entry IN LISTS P_INSTALLERS)
    string(FIND "${entry}" "=" eq)
    string(SUBSTRING "${entry}" 0 ${eq} name)
    math(EXPR after "${eq} + 1")
    string(SUBSTRING "${entry}" ${after} -1 file)
    get_filename_component(file "${file}" ABSOLUTE)
    string(REPLACE " " "_" name "${name}")
    list(APPEND specs "INSTALLER:INSTALLER_${name}=${file}")
    list(APPEND depends "${file}")
  endforeach()
  file(GENERATE OUTPUT "${rc}" CONTENT "${content}")
  set(sources "${rc}")
  if(specs)
    # Named resources of custom types go through a .res file of their own
    # (see make-res.py), converted to an object by the resource compiler.
    set(res "${CMAKE_CURRENT_BINARY_DIR}/${target}.payload.res")
    set(obj "${CMAKE_CURRENT_BINARY_DIR}/${target}.payload.res.obj")
    add_custom_command(OUTPUT "${obj}"
      COMMAND python3 ${PROJECT_SOURCE_DIR}/cmake/make-res.py "${res}" ${specs}
      COMMAND ${CMAKE_RC_COMPILER} -i "${res}" -o "${obj}"
      DEPENDS ${depends} ${PROJECT_SOURCE_DIR}/cmake/make-res.py
      VERBATIM)
    set_source_files_properties("${obj}" PROPERTIES EXTERNAL_OBJECT TRUE GENERATED TRUE)
    list(APPEND sources "${obj}")
  endif()
  add_executable(${target} WIN32 ${sources})
  target_link_libraries(${target} PRIVATE bootstrapper_entry)
  if(P_OUTPUT_NAME)
    set_target_properties(${target} PROPERTIES OUTPUT_NAME "${P_OUTPUT_NAME}")
  endif()
endfunction()
