# What every target of the build compiles and links with: the warnings, and in the sanitizer build
# AddressSanitizer and UndefinedBehaviorSanitizer. Targets link `orrery_build_options`.

add_library(orrery_build_options INTERFACE)
target_compile_options(orrery_build_options INTERFACE -Wall -Wextra -Wpedantic)

# Address and undefined-behaviour checks; any report ends the process.
option(ORRERY_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(NOT ORRERY_SANITIZE)
  return()
endif()
target_compile_options(orrery_build_options INTERFACE
  -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
target_link_options(orrery_build_options INTERFACE -fsanitize=address,undefined)
# Mesa unloads its GL driver at exit, before the leak check, whose reports could then not name the
# driver as the allocator; every program here keeps it loaded instead. The object goes into every
# program's link, not only into the libraries' archives, where nothing would pull it in.
find_file(ORRERY_GL_DRIVER swrast_dri.so
  PATHS /usr/lib/${CMAKE_LIBRARY_ARCHITECTURE}/dri /usr/lib64/dri /usr/lib/dri)
if(ORRERY_GL_DRIVER)
  add_library(keep_gl_driver OBJECT tools/sanitize/keep_gl_driver.cpp)
  target_compile_definitions(keep_gl_driver PRIVATE ORRERY_GL_DRIVER="${ORRERY_GL_DRIVER}")
  target_link_libraries(orrery_build_options INTERFACE $<TARGET_OBJECTS:keep_gl_driver>
    ${CMAKE_DL_LIBS})
endif()
