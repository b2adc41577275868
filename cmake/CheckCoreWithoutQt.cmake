# Run before the core library is linked: the core is plain C++ and includes
# no Qt header; Qt code belongs under src/gui/.
#   cmake -DSOURCES="a.cpp;b.h" -P CheckCoreWithoutQt.cmake
foreach(source IN LISTS SOURCES)
  file(STRINGS "${source}" qtIncludes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"](Q[A-Za-z]|qt)")
  if(qtIncludes)
    list(GET qtIncludes 0 first)
    message(FATAL_ERROR "${source} includes Qt (${first}): the core is Qt-free, "
                        "Qt code lives under src/gui/")
  endif()
endforeach()
