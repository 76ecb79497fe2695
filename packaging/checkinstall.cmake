# SPDX-FileCopyrightText: 2026 The Keyvora developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the build into a fresh prefix and checks what the desktop reads from it:
#   cmake -DBUILD_DIR=... -DSOURCE_DIR=... -DPREFIX=... -DID=... -DICON_SIZES=16;24;... -P checkinstall.cmake
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)

function(validate)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "${ARGN} failed (${result}):\n${out}")
    endif()
endfunction()

set(share ${PREFIX}/share)
foreach(file bin/keyvora share/man/man1/keyvora.1.gz share/doc/keyvora/copyright
             share/doc/keyvora/changelog.gz share/icons/hicolor/scalable/apps/${ID}.svg
             share/keyvora/USERMANUAL.hlp share/keyvora/USERMANUAL_BM.hlp)
    if(NOT EXISTS ${PREFIX}/${file})
        message(FATAL_ERROR "not installed: ${file}")
    endif()
endforeach()
# The practice library, each language's set whole.
foreach(set English Melayu)
    file(GLOB sources "${SOURCE_DIR}/library/${set}/*.txt")
    file(GLOB installed "${share}/keyvora/library/${set}/*.txt")
    list(LENGTH sources expected)
    list(LENGTH installed count)
    if(expected EQUAL 0 OR NOT count EQUAL expected)
        message(FATAL_ERROR "the ${set} practice library: ${count} of ${expected} texts installed")
    endif()
endforeach()
validate(desktop-file-validate ${share}/applications/${ID}.desktop)
validate(appstreamcli validate --no-net ${share}/metainfo/${ID}.metainfo.xml)

# A PNG's width and height are the two big-endian words after its IHDR tag.
foreach(size IN LISTS ICON_SIZES)
    set(png ${share}/icons/hicolor/${size}x${size}/apps/${ID}.png)
    if(NOT EXISTS ${png})
        message(FATAL_ERROR "not installed: ${png}")
    endif()
    file(READ ${png} header LIMIT 24 HEX)
    string(SUBSTRING "${header}" 24 8 tag)
    string(SUBSTRING "${header}" 32 8 width)
    string(SUBSTRING "${header}" 40 8 height)
    math(EXPR width "0x${width}")
    math(EXPR height "0x${height}")
    if(NOT tag STREQUAL "49484452" OR NOT width EQUAL size OR NOT height EQUAL size)
        message(FATAL_ERROR "${png} is ${width}x${height}, not ${size}x${size}")
    endif()
endforeach()
