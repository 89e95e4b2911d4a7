# mirelchop_layer_check(<library>) adds <library>_layer_check, a program that
# links every object of <library> with only what <library> itself links, so
# that the build fails when one of them calls up into a layer above. The
# static library alone would not: the linker takes from it only the objects
# a program needs, and finds an upward call's target in the program anyway.
function(mirelchop_layer_check library)
  add_executable(${library}_layer_check "${CMAKE_SOURCE_DIR}/cmake/layer_check.cc")
  target_link_libraries(${library}_layer_check PRIVATE ${library})
  target_link_options(${library}_layer_check PRIVATE
    "LINKER:--whole-archive,$<TARGET_FILE:${library}>,--no-whole-archive")
endfunction()
