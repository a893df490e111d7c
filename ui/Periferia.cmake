# The periphery of the main window: the help service with its viewer and F1 key, the about window and the
# web pages of the "Internet" tool bar. Included by ui/CMakeLists.txt (and by the tests when the ui folder
# is not built).
if(NOT TARGET sulvo_periferia)
    add_library(sulvo_periferia STATIC
        ${CMAKE_CURRENT_LIST_DIR}/Ajuda.cpp ${CMAKE_CURRENT_LIST_DIR}/Ajuda.h
        ${CMAKE_CURRENT_LIST_DIR}/Internet.cpp ${CMAKE_CURRENT_LIST_DIR}/Internet.h
        ${CMAKE_CURRENT_LIST_DIR}/SplashSulvo.cpp ${CMAKE_CURRENT_LIST_DIR}/SplashSulvo.h)
    target_include_directories(sulvo_periferia PUBLIC ${CMAKE_CURRENT_LIST_DIR})
    # The dialog service interface is all it takes from the project layer.
    target_link_libraries(sulvo_periferia PUBLIC sulvo_project Qt6::Widgets)
    target_compile_definitions(sulvo_periferia PRIVATE QT_NO_CAST_FROM_ASCII)
    set_target_properties(sulvo_periferia PROPERTIES AUTOMOC ON)
endif()
if(TARGET sulvo_ui)
    target_link_libraries(sulvo_ui PUBLIC sulvo_periferia)
endif()
