# The channel grid view: the form with the band-limit boxes and the channel table,
# its model, editors and the commit rules of an edited cell.
add_library(htprog_channelview STATIC
    ${CMAKE_CURRENT_LIST_DIR}/programview.cpp ${CMAKE_CURRENT_LIST_DIR}/programview.h
    ${CMAKE_CURRENT_LIST_DIR}/channeltablemodel.cpp ${CMAKE_CURRENT_LIST_DIR}/channeltablemodel.h
    ${CMAKE_CURRENT_LIST_DIR}/channeldelegate.cpp ${CMAKE_CURRENT_LIST_DIR}/channeldelegate.h
    ${CMAKE_CURRENT_LIST_DIR}/channelgrid.cpp ${CMAKE_CURRENT_LIST_DIR}/channelgrid.h
    ${CMAKE_CURRENT_LIST_DIR}/cellcommit.cpp ${CMAKE_CURRENT_LIST_DIR}/cellcommit.h
    ${CMAKE_CURRENT_LIST_DIR}/radionamevalidator.cpp ${CMAKE_CURRENT_LIST_DIR}/radionamevalidator.h
    ${CMAKE_CURRENT_LIST_DIR}/bandlimitboxes.cpp ${CMAKE_CURRENT_LIST_DIR}/bandlimitboxes.h)
target_include_directories(htprog_channelview PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(htprog_channelview PUBLIC
    htprog_channels htprog_grid htprog_dialogcodecs htprog_image Qt6::Widgets)
