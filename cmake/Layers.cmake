# SPDX-FileCopyrightText: 2026 Ovatron Project
# SPDX-License-Identifier: GPL-3.0-or-later

# Each layer sees only itself and the layers below it. A layer's include folder in the build
# tree holds links to exactly those source folders, so "widgets/MeterView.h" included from the
# core does not resolve and the build fails. The walls, lowest first: brio; core; store, remote,
# osc and audio, each on its own; results (the store's events on paper); show (the running
# show: core, store, audio's plain headers, remote and osc, never a widget or a display);
# display (core only: no show, no widgets); widgets (all of these); app.
function(ovatron_layer_includes target)
  set(root "${CMAKE_BINARY_DIR}/layers/${target}")
  file(MAKE_DIRECTORY "${root}")
  foreach(folder IN LISTS ARGN)
    if(NOT EXISTS "${root}/${folder}")
      file(CREATE_LINK "${PROJECT_SOURCE_DIR}/${folder}" "${root}/${folder}" SYMBOLIC)
    endif()
  endforeach()
  target_include_directories(${target} PUBLIC "${root}")
endfunction()
