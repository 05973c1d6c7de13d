# One static library per folder of src/, gnamm_<folder>, in the order of tools/layers/order.txt:
# each links only the layers below its own, so a call that points up or across fails to link.
# A folder with a CMakeLists.txt of its own (platform: SDL) makes its library there, linking
# GNAMM_LAYERS_BELOW_<folder>. GNAMM_CORE_SOURCES gathers the toolkit-free sources for builds
# that compile them again with flags of their own (tools/fuzz). GNAMM_MERGED_FOLDERS, e.g.
# "game;persona;audio", builds folders that call each other as one library, for a change that
# cannot turn the calls round at once.
set(GNAMM_MERGED_FOLDERS "" CACHE STRING
    "Folders of src/ that still call each other, built as one library named after the first")

set(order_file ${PROJECT_SOURCE_DIR}/tools/layers/order.txt)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${order_file})
file(STRINGS ${order_file} layer_lines REGEX "^[a-z]")
string(REPLACE " " ";" placed "${layer_lines}")
file(GLOB src_entries LIST_DIRECTORIES true RELATIVE ${PROJECT_SOURCE_DIR}/src
    CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/*)
foreach(entry IN LISTS src_entries)
    if(IS_DIRECTORY ${PROJECT_SOURCE_DIR}/src/${entry} AND NOT entry IN_LIST placed)
        message(FATAL_ERROR "src/${entry}: a folder the layers do not place (${order_file})")
    endif()
endforeach()

find_package(nlohmann_json 3 REQUIRED)
set(GNAMM_CORE_SOURCES "")
set(below "")
foreach(line IN LISTS layer_lines)
    string(REPLACE " " ";" folders "${line}")
    set(made "")
    foreach(folder IN LISTS folders)
        set(dir ${PROJECT_SOURCE_DIR}/src/${folder})
        list(FIND GNAMM_MERGED_FOLDERS ${folder} merged_at)
        if(NOT IS_DIRECTORY ${dir})
            continue()
        elseif(EXISTS ${dir}/CMakeLists.txt)
            set(GNAMM_LAYERS_BELOW_${folder} ${below})
            continue()
        elseif(merged_at GREATER 0)
            list(GET GNAMM_MERGED_FOLDERS 0 host)
            if(NOT TARGET gnamm_${host})
                message(FATAL_ERROR "GNAMM_MERGED_FOLDERS: list ${host} below ${folder}")
            endif()
            add_library(gnamm_${folder} ALIAS gnamm_${host})
            continue()
        endif()
        set(members ${folder})
        if(merged_at EQUAL 0)
            set(members ${GNAMM_MERGED_FOLDERS})
        endif()
        list(TRANSFORM members REPLACE "(.+)" "${PROJECT_SOURCE_DIR}/src/\\1/*.cpp")
        file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${members})
        list(APPEND GNAMM_CORE_SOURCES ${sources})
        add_library(gnamm_${folder} STATIC ${sources})
        target_include_directories(gnamm_${folder} PUBLIC ${PROJECT_SOURCE_DIR}/src)
        target_link_libraries(gnamm_${folder} PUBLIC ${below} nlohmann_json::nlohmann_json)
        list(APPEND made gnamm_${folder})
    endforeach()
    list(APPEND below ${made})
endforeach()
