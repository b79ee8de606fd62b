# The window's control table checked on its own, without Qt.
add_executable(control_inventory_tests
  ${CMAKE_CURRENT_LIST_DIR}/control_inventory_test.cpp
  ${PROJECT_SOURCE_DIR}/src/screens/control_inventory.cpp
)
target_include_directories(control_inventory_tests PRIVATE ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(control_inventory_tests PRIVATE GTest::gtest_main)
gtest_discover_tests(control_inventory_tests PROPERTIES LABELS unit)
