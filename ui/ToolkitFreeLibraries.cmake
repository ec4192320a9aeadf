# The libraries of ui/ that need no widgets, made by the program's build
# (ui/CMakeLists.txt) and by the fuzz build, which has no windows
# (fuzz/CMakeLists.txt): whichever comes first makes them.
include_guard(GLOBAL)

# The section windows' tables: plain C++, no toolkit.
add_library(baricor_layouts STATIC
  ${CMAKE_CURRENT_LIST_DIR}/layouts/SectionLayout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/layouts/ShapeLayouts.cpp
)
set_target_properties(baricor_layouts PROPERTIES AUTOMOC OFF)
target_include_directories(baricor_layouts PUBLIC ${CMAKE_CURRENT_LIST_DIR}/layouts)
target_link_libraries(baricor_layouts PUBLIC baricor_analysis)

# A work file's reader and writer: QtCore and the window tables (the names of
# the windows and their fields), so that its fuzz target can do without the
# widgets.
find_package(Qt6 REQUIRED COMPONENTS Core)
add_library(baricor_workfile STATIC ${CMAKE_CURRENT_LIST_DIR}/WorkFile.cpp)
set_target_properties(baricor_workfile PROPERTIES AUTOMOC OFF)
target_include_directories(baricor_workfile PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(baricor_workfile PUBLIC baricor_layouts Qt6::Core)
