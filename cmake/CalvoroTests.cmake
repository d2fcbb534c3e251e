# Every library target of the program that exists in this tree, in link order.
function(calvoro_program_libraries out)
  set(libs)
  foreach(t calvoro_app calvoro_dialogs calvoro_chart calvoro_components calvoro_controls
            calvoro_resources calvoro_platform calvoro_core)
    if(TARGET ${t})
      list(APPEND libs ${t})
    endif()
  endforeach()
  set(${out} ${libs} PARENT_SCOPE)
endfunction()
