# One interface target carries the language level, warnings and Qt's strict
# defines; every target of the project links it.
add_library(velvox_options INTERFACE)
target_compile_features(velvox_options INTERFACE cxx_std_20)
target_compile_options(velvox_options INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wcast-align
  -Woverloaded-virtual -Wformat=2 -Wimplicit-fallthrough)
if(VELVOX_WARNINGS_AS_ERRORS)
  target_compile_options(velvox_options INTERFACE -Werror)
endif()
target_compile_definitions(velvox_options INTERFACE
  QT_NO_CAST_FROM_ASCII
  QT_NO_CONTEXTLESS_CONNECT
  QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
  QT_NO_URL_CAST_FROM_STRING
  QT_USE_QSTRINGBUILDER)
