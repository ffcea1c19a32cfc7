# Run by `cmake --install` after the desktop entries are in place: refreshes
# the desktop database of the installed applications folder, so the
# "tidewellmac://" link handler works at once rather than after the next
# refresh. Only where update-desktop-database is installed, and not into a
# staging folder (DESTDIR), whose package refreshes the database when it is
# installed itself.
if(NOT "$ENV{DESTDIR}" STREQUAL "")
  return()
endif()
find_program(TIDEWELL_UPDATE_DESKTOP_DATABASE update-desktop-database)
if(NOT TIDEWELL_UPDATE_DESKTOP_DATABASE)
  return()
endif()
set(applications "${CMAKE_INSTALL_PREFIX}/share/applications")
message(STATUS "Refreshing the desktop database: ${applications}")
execute_process(COMMAND "${TIDEWELL_UPDATE_DESKTOP_DATABASE}" "${applications}" RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(WARNING "update-desktop-database ${applications} failed (${status})")
endif()
