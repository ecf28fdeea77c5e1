# Every target of the project gets the same warnings; CI turns them into errors.
add_library(zyt_warnings INTERFACE)
target_compile_options(zyt_warnings INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Woverloaded-virtual
  -Wcast-align -Wnull-dereference -Wimplicit-fallthrough)
if(ZYT_WERROR)
  target_compile_options(zyt_warnings INTERFACE -Werror)
endif()
target_compile_definitions(zyt_warnings INTERFACE
  QT_NO_CAST_TO_ASCII QT_NO_URL_CAST_FROM_STRING
  QT_NO_NARROWING_CONVERSIONS_IN_CONNECT)

if(ZYT_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize=vptr
                      -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined -fno-sanitize=vptr)
endif()
