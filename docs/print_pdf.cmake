# Prints HTML to PDF with headless Chromium and copies the result to every name in OUTPUTS.
# Run as: cmake -DCHROMIUM=... -DHTML=... -DPROFILE=... -DOUTPUTS="a.pdf|b.pdf" -P print_pdf.cmake
string(REPLACE "|" ";" OUTPUTS "${OUTPUTS}")
list(GET OUTPUTS 0 first)
file(REMOVE ${OUTPUTS})
# A profile of its own, so a browser already running (the browser tests) is not joined.
execute_process(
  COMMAND ${CHROMIUM} --headless --no-sandbox --disable-gpu --no-first-run --user-data-dir=${PROFILE}
    --disable-background-networking --disable-component-update --disable-sync --disable-quic
    --no-pdf-header-footer --print-to-pdf=${first} file://${HTML}
  TIMEOUT 300
  RESULT_VARIABLE result
  OUTPUT_VARIABLE log ERROR_VARIABLE log)
if(NOT result EQUAL 0 OR NOT EXISTS ${first})
  message(FATAL_ERROR "Chromium could not print ${HTML} (${result}):\n${log}")
endif()
file(READ ${first} head LIMIT 5 HEX)
if(NOT head STREQUAL "255044462d")  # "%PDF-"
  file(REMOVE ${first})
  message(FATAL_ERROR "Chromium wrote no PDF to ${first}")
endif()
foreach(output ${OUTPUTS})
  if(NOT output STREQUAL first)
    file(COPY_FILE ${first} ${output})
  endif()
endforeach()
