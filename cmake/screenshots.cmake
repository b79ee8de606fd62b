# `make screenshots`: plays the game under its own X server and copies three pictures of it
# (the start panel, a scheme in play, the record panel after a game) to docs/screenshots/, and
# then every panel on an English desktop (docs/screenshots/*_en.png).
# Every step's picture is also kept under build/e2e/screenshots/.
add_custom_target(screenshots
  COMMAND sh ${CMAKE_SOURCE_DIR}/tests/e2e/take_screenshots.sh ${CMAKE_BINARY_DIR}
          ${CMAKE_SOURCE_DIR}/docs/screenshots
  DEPENDS vorlin vorlin_data
  USES_TERMINAL
  COMMENT "Playing the game under Xvfb for the screenshots of docs/screenshots/"
  VERBATIM)
