# The settings dialogs, the COM setup and the transfer progress dialog (widgets).
file(GLOB dialog_gui_sources CONFIGURE_DEPENDS
    ${CMAKE_CURRENT_SOURCE_DIR}/*dlg.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*dlg.h
    ${CMAKE_CURRENT_SOURCE_DIR}/dialogcommands.cpp ${CMAKE_CURRENT_SOURCE_DIR}/dialogcommands.h
    ${CMAKE_CURRENT_SOURCE_DIR}/gui_*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/gui_*.h
    ${CMAKE_CURRENT_SOURCE_DIR}/*.ui)
add_library(htprog_dialogs STATIC ${dialog_gui_sources})
target_include_directories(htprog_dialogs PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(htprog_dialogs PUBLIC htprog_dialogcodecs htprog_grid Qt6::Widgets)
if(TARGET htprog_channelview)
    target_link_libraries(htprog_dialogs PUBLIC htprog_channelview)
endif()
if(TARGET htprog_link)
    target_link_libraries(htprog_dialogs PUBLIC htprog_link)
endif()
