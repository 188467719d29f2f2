# The MinGW cross build is a unity build (`make windows`: 2 cores compile the
# Windows program several times faster so). These files define file-local
# helpers under the same names as others of their target and are compiled on
# their own. A new clash shows as "redefinition of ... {anonymous}": add the
# file here.
set(ORVALIS_UNITY_EXCLUDED
    src/capture/view_capture.cpp
    src/sheet/setup_sheet.cpp
    src/sim/nc/nc_heidenhain.cpp
    tests/capture/view_capture_test.cpp)
list(TRANSFORM ORVALIS_UNITY_EXCLUDED PREPEND ${PROJECT_SOURCE_DIR}/)
# A source file's properties belong to the folder whose CMakeLists.txt made
# its target: each room's own for src/, tests/ for the tests.
set_source_files_properties(${ORVALIS_UNITY_EXCLUDED}
    DIRECTORY ${PROJECT_SOURCE_DIR}/src/capture ${PROJECT_SOURCE_DIR}/src/sheet
              ${PROJECT_SOURCE_DIR}/src/sim ${PROJECT_SOURCE_DIR}/tests
    PROPERTIES SKIP_UNITY_BUILD_INCLUSION ON)
