# Run by CPack on its staging folder: the desktop finds menu entries in
# /usr/share/applications, so the package carries the entry there too.
set(staging "${CPACK_TEMPORARY_INSTALL_DIRECTORY}")
file(GLOB_RECURSE entries "${staging}/vellarmo.desktop")
list(FILTER entries EXCLUDE REGEX "^${staging}/usr/share/applications/")
if(NOT entries)
  message(FATAL_ERROR "The menu entry is missing from ${staging}")
endif()
file(COPY ${entries} DESTINATION "${staging}/usr/share/applications")
