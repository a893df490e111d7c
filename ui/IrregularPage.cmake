# The "Irregulares" page: the plain rules of the point editor and charts, the two charts, the point and
# interval-roughness windows and the page widget. Included by ui/CMakeLists.txt (and by the page's tests
# when the ui folder is not built).
if(NOT TARGET sulvo_irregular_core)
    add_library(sulvo_irregular_core STATIC
        ${CMAKE_CURRENT_LIST_DIR}/IrregularSecao.cpp ${CMAKE_CURRENT_LIST_DIR}/IrregularSecao.h
        ${CMAKE_CURRENT_LIST_DIR}/IrregularEixos.cpp ${CMAKE_CURRENT_LIST_DIR}/IrregularEixos.h)
    target_include_directories(sulvo_irregular_core PUBLIC ${CMAKE_CURRENT_LIST_DIR})
    target_link_libraries(sulvo_irregular_core PUBLIC sulvo_engine sulvo_common)

    add_library(sulvo_irregular_chart STATIC
        ${CMAKE_CURRENT_LIST_DIR}/GraficoIrregular.cpp ${CMAKE_CURRENT_LIST_DIR}/GraficoIrregular.h)
    target_link_libraries(sulvo_irregular_chart PUBLIC sulvo_irregular_core Qt6::Widgets Qt6::Charts)
    target_compile_definitions(sulvo_irregular_chart PRIVATE QT_NO_CAST_FROM_ASCII)
    set_target_properties(sulvo_irregular_chart PROPERTIES AUTOMOC ON)

    if(TARGET sulvo_controls AND TARGET sulvo_roughness AND EXISTS ${CMAKE_CURRENT_LIST_DIR}/PaginaIrregular.cpp)
        add_library(sulvo_irregular_page STATIC
            ${CMAKE_CURRENT_LIST_DIR}/PaginaIrregular.cpp ${CMAKE_CURRENT_LIST_DIR}/PaginaIrregular.h
            ${CMAKE_CURRENT_LIST_DIR}/AltPonto.cpp ${CMAKE_CURRENT_LIST_DIR}/AltPonto.h
            ${CMAKE_CURRENT_LIST_DIR}/DefinirRugosidade.cpp ${CMAKE_CURRENT_LIST_DIR}/DefinirRugosidade.h)
        target_link_libraries(sulvo_irregular_page PUBLIC sulvo_irregular_chart sulvo_controls sulvo_roughness
            sulvo_engine sulvo_common Qt6::Widgets)
        if(TARGET sulvo_project)
            target_link_libraries(sulvo_irregular_page PUBLIC sulvo_project)
        endif()
        target_compile_definitions(sulvo_irregular_page PRIVATE QT_NO_CAST_FROM_ASCII)
        set_target_properties(sulvo_irregular_page PROPERTIES AUTOMOC ON)
    endif()
endif()
if(TARGET sulvo_ui AND TARGET sulvo_irregular_page)
    target_link_libraries(sulvo_ui PUBLIC sulvo_irregular_page)
endif()
