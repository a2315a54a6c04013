# The Windows build (scripts/windows.sh): the fonts and DLLs the programs are shipped with, and
# under a cross build the Wine wrapper through which build-time tools and tests run.

# The look-alike fonts named after the classic Windows families, shipped with the programs.
set(VELTORA_FONT_FILES
  /usr/share/texmf/fonts/opentype/public/tex-gyre/texgyrebonum-regular.otf
  /usr/share/texmf/fonts/opentype/public/tex-gyre/texgyrebonum-bold.otf
  /usr/share/texmf/fonts/opentype/public/tex-gyre/texgyrebonum-italic.otf
  /usr/share/texmf/fonts/opentype/public/tex-gyre/texgyrebonum-bolditalic.otf
  /usr/share/texmf/fonts/opentype/public/tex-gyre/texgyretermes-regular.otf
  /usr/share/texmf/fonts/opentype/public/tex-gyre/texgyretermes-bold.otf
  /usr/share/texmf/fonts/opentype/public/tex-gyre/texgyretermes-italic.otf
  /usr/share/texmf/fonts/opentype/public/tex-gyre/texgyretermes-bolditalic.otf
  /usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf
  /usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf
  /usr/share/fonts/truetype/liberation/LiberationSans-Italic.ttf
  /usr/share/fonts/truetype/liberation/LiberationSans-BoldItalic.ttf
  /usr/share/fonts/truetype/liberation/LiberationSerif-Regular.ttf
  /usr/share/fonts/truetype/liberation/LiberationSerif-Bold.ttf
  /usr/share/fonts/truetype/liberation/LiberationSerif-Italic.ttf
  /usr/share/fonts/truetype/liberation/LiberationSerif-BoldItalic.ttf)
set(VELTORA_FONT_DIR ${CMAKE_BINARY_DIR}/fonts)
file(COPY ${VELTORA_FONT_FILES} DESTINATION ${VELTORA_FONT_DIR})

# The folders of the DLLs the programs load: Qt's, and mingw's C++ and thread run-times.
get_filename_component(VELTORA_QT_PREFIX "${Qt6_DIR}/../../.." ABSOLUTE)
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libstdc++-6.dll
                OUTPUT_VARIABLE VELTORA_LIBSTDCXX_DLL OUTPUT_STRIP_TRAILING_WHITESPACE)
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libwinpthread-1.dll
                OUTPUT_VARIABLE VELTORA_WINPTHREAD_DLL OUTPUT_STRIP_TRAILING_WHITESPACE)
get_filename_component(VELTORA_GCC_DLL_DIR ${VELTORA_LIBSTDCXX_DLL} DIRECTORY)
get_filename_component(VELTORA_PTHREAD_DLL_DIR ${VELTORA_WINPTHREAD_DLL} DIRECTORY)
set(VELTORA_RUNTIME_DLLS
  ${VELTORA_LIBSTDCXX_DLL} ${VELTORA_GCC_DLL_DIR}/libgcc_s_seh-1.dll ${VELTORA_WINPTHREAD_DLL})

if(NOT CMAKE_CROSSCOMPILING)
  return()
endif()

# build-windows/wine-run puts the Qt and mingw run-time DLLs on the program's path and gives Qt's
# offscreen platform the shipped fonts (on Windows that platform draws with the fonts in
# QT_QPA_FONTDIR only). The Wine prefix is the build's own. Wine reaches the machine's files
# through drive Z:.
set(wine_path "Z:${VELTORA_QT_PREFIX}/bin;Z:${VELTORA_GCC_DLL_DIR};Z:${VELTORA_PTHREAD_DLL_DIR}")
set(wine_prefix ${CMAKE_BINARY_DIR}/wine)
set(font_dir "Z:${VELTORA_FONT_DIR}")
configure_file(${CMAKE_CURRENT_LIST_DIR}/wine-run.in ${CMAKE_BINARY_DIR}/wine-run
               FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                WORLD_READ WORLD_EXECUTE
               @ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run)
