# SQLite3 Multiple Ciphers amalgamation, fetched and verified by scripts/fetch-sqlite.sh
# into the shared deps folder (both builds reuse one copy).
set(sqlite_dir "${ZENTAVO_DEPS_DIR}/sqlite3")
execute_process(
  COMMAND "${CMAKE_SOURCE_DIR}/scripts/fetch-sqlite.sh" "${sqlite_dir}"
  RESULT_VARIABLE fetch_result)
if(NOT fetch_result EQUAL 0)
  message(FATAL_ERROR "Could not obtain a verified SQLite3 Multiple Ciphers amalgamation (see above).")
endif()

add_library(sqlite3mc STATIC "${sqlite_dir}/sqlite3.c")
target_include_directories(sqlite3mc SYSTEM PUBLIC "${sqlite_dir}")
target_compile_definitions(sqlite3mc PUBLIC
  # Each connection is used by one thread at a time: no per-call connection mutex, and no
  # global allocation statistics behind a mutex on every malloc.
  SQLITE_THREADSAFE=2
  SQLITE_DEFAULT_MEMSTATUS=0
  SQLITE_DEFAULT_SYNCHRONOUS=2
  SQLITE_OMIT_LOAD_EXTENSION
  SQLITE_DQS=0)
target_compile_options(sqlite3mc PRIVATE -w -O2)
if(NOT WIN32)
  find_package(Threads REQUIRED)
  target_link_libraries(sqlite3mc PUBLIC Threads::Threads ${CMAKE_DL_LIBS} m)
endif()
