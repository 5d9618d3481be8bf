# cmake -DBUILD=<build folder> -DWORK=<scratch folder> -DAPP_ID=<id>
#       -DBINDIR=bin -DDATADIR=share -P InstallTest.cmake
#
# Installs the build into a temporary prefix and starts the installed
# ZoControl offscreen for a user without settings; it closes through its close
# box once shown, the question answered Yes. The user's settings must then be
# in the user's folder, made from the installed file, and nothing below the
# prefix may be new or changed, also after runs of the installed zosetup and
# zoctl.
# The desktop entry, the icons, the AppStream description and the drawn
# layout previews are checked too.

set(prefix ${WORK}/prefix)
set(config ${WORK}/config)
set(runtime ${WORK}/runtime)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${config} ${runtime} ${WORK}/home)
file(CHMOD ${runtime} DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)

execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${prefix}
                RESULT_VARIABLE rc OUTPUT_QUIET ERROR_VARIABLE err)
if(rc)
  message(FATAL_ERROR "cmake --install failed: ${err}")
endif()

# Every file and folder below the prefix, files with their content's hash.
function(snapshot out)
  file(GLOB_RECURSE entries LIST_DIRECTORIES true ${prefix}/*)
  list(SORT entries)
  set(lines "")
  foreach(entry IN LISTS entries)
    set(hash "folder")
    if(NOT IS_DIRECTORY ${entry})
      file(SHA1 ${entry} hash)
    endif()
    list(APPEND lines "${entry} ${hash}")
  endforeach()
  set(${out} "${lines}" PARENT_SCOPE)
endfunction()
snapshot(before)

# A user's session of its own, started outside the prefix.
set(session ${CMAKE_COMMAND} -E env --unset=ZO_SIM_INSTRUMENT --unset=ZO_SIM_TRACE
    QT_QPA_PLATFORM=offscreen ZO_UNATTENDED=yes HOME=${WORK}/home
    XDG_CONFIG_HOME=${config} XDG_RUNTIME_DIR=${runtime})
execute_process(COMMAND ${session} ZO_EXIT_WHEN_SHOWN=close ${prefix}/${BINDIR}/ZoControl /SIM
                WORKING_DIRECTORY ${WORK} TIMEOUT 60
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE shown)
if(NOT rc EQUAL 0 OR NOT out MATCHES "shown")
  message(FATAL_ERROR "the installed ZoControl did not run and close (exit ${rc}): ${out}${shown}")
endif()
# Message 60 (the simulator) and message 2 (the close box's question) come
# from the installed language file; the settings file read without a fault.
foreach(expected "simulated microscope" "close ZoControl")
  if(NOT shown MATCHES "${expected}")
    message(FATAL_ERROR "ZoControl did not show \"${expected}\"; it showed:\n${shown}")
  endif()
endforeach()
if(shown MATCHES "INI error")
  message(FATAL_ERROR "ZoControl could not read its files:\n${shown}")
endif()

set(settings ${config}/ZoControl/ZoControl.INI)
if(NOT EXISTS ${settings})
  message(FATAL_ERROR "no settings file in ${config}/ZoControl")
endif()
# The language table is never written: only the installed file can bring it.
file(STRINGS ${settings} table REGEX "^1=ZoLanguage_EN.INI")
if(NOT table)
  message(FATAL_ERROR "${settings} was not made from the installed ZoControl.INI")
endif()
if(NOT EXISTS ${config}/Ostrel/Shared/Data/Zo/ZoUseLanguage.INI)
  message(FATAL_ERROR "the close did not write the language selection")
endif()

# zosetup reads the same installed language file.
execute_process(COMMAND ${session} ${prefix}/${BINDIR}/zosetup check ${WORK}/missing.xml
                WORKING_DIRECTORY ${WORK} TIMEOUT 60
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 2 OR NOT "${out}${err}" MATCHES "could not be opened")
  message(FATAL_ERROR "the installed zosetup did not report the missing file (exit ${rc}): ${out}${err}")
endif()

# zoctl is installed beside it and finds no pad once the program has ended.
execute_process(COMMAND ${session} ${prefix}/${BINDIR}/zoctl state
                WORKING_DIRECTORY ${WORK} TIMEOUT 60
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 2 OR NOT "${err}" MATCHES "no ZoControl pad is running")
  message(FATAL_ERROR "the installed zoctl did not report the missing pad (exit ${rc}): ${out}${err}")
endif()

snapshot(after)
if(NOT before STREQUAL after)
  foreach(line IN LISTS after)
    if(NOT line IN_LIST before)
      message("new or changed: ${line}")
    endif()
  endforeach()
  message(FATAL_ERROR "the programs wrote below the prefix")
endif()

# What the desktop finds.
set(share ${prefix}/${DATADIR})
find_program(desktop_validate desktop-file-validate)
find_program(appstreamcli appstreamcli)
if(NOT desktop_validate OR NOT appstreamcli)
  message(FATAL_ERROR "desktop-file-validate and appstreamcli are needed (scripts/deps.sh installs them)")
endif()
execute_process(COMMAND ${desktop_validate} ${share}/applications/${APP_ID}.desktop
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(rc OR out OR err)
  message(FATAL_ERROR "desktop entry: ${out}${err}")
endif()
execute_process(COMMAND ${appstreamcli} validate --no-net --pedantic ${share}/metainfo/${APP_ID}.metainfo.xml
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(rc)
  message(FATAL_ERROR "AppStream description: ${out}${err}")
endif()
foreach(file icons/hicolor/scalable/apps/${APP_ID}.svg zocontrol/Picture/Layout/Normal.png)
  if(NOT EXISTS ${share}/${file})
    message(FATAL_ERROR "${file} was not installed")
  endif()
endforeach()
# A PNG's width and height follow its signature and header length and name.
file(READ ${share}/icons/hicolor/48x48/apps/${APP_ID}.png size OFFSET 16 LIMIT 8 HEX)
if(NOT size STREQUAL "0000003000000030")
  message(FATAL_ERROR "the bitmap icon is not 48 x 48 pixels (header ${size})")
endif()
