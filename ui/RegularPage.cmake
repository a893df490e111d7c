# The "Regulares" page: the four section charts and the page widget with its handlers.
# Included by ui/CMakeLists.txt (and by the page's tests when the ui folder is not built).
if(NOT TARGET sulvo_regular_chart)
    add_library(sulvo_regular_chart STATIC
        ${CMAKE_CURRENT_LIST_DIR}/GraficoRegular.cpp ${CMAKE_CURRENT_LIST_DIR}/GraficoRegular.h)
    target_include_directories(sulvo_regular_chart PUBLIC ${CMAKE_CURRENT_LIST_DIR})
    target_link_libraries(sulvo_regular_chart PUBLIC Qt6::Widgets Qt6::Charts)
    target_compile_definitions(sulvo_regular_chart PRIVATE QT_NO_CAST_FROM_ASCII)
    set_target_properties(sulvo_regular_chart PROPERTIES AUTOMOC ON)

    if(EXISTS ${CMAKE_CURRENT_LIST_DIR}/PaginaRegular.cpp)
        add_library(sulvo_regular_page STATIC
            ${CMAKE_CURRENT_LIST_DIR}/PaginaRegular.cpp ${CMAKE_CURRENT_LIST_DIR}/PaginaRegular.h)
        target_include_directories(sulvo_regular_page PUBLIC ${CMAKE_CURRENT_LIST_DIR})
        target_link_libraries(sulvo_regular_page PUBLIC sulvo_regular_chart sulvo_controls sulvo_roughness
            sulvo_project sulvo_engine sulvo_common Qt6::Widgets)
        target_compile_definitions(sulvo_regular_page PRIVATE QT_NO_CAST_FROM_ASCII)
        set_target_properties(sulvo_regular_page PROPERTIES AUTOMOC ON)
    endif()
endif()
if(TARGET sulvo_ui AND TARGET sulvo_regular_page)
    target_link_libraries(sulvo_ui PUBLIC sulvo_regular_page)
endif()
