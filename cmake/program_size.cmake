# Fails when the program PROGRAM is larger than LIMIT bytes: run after each
# link of the Windows game (cmake -DPROGRAM=... -DLIMIT=... -P).
file(SIZE "${PROGRAM}" size)
if(size GREATER LIMIT)
  message(FATAL_ERROR "${PROGRAM} is ${size} bytes, more than the ${LIMIT} the Windows game may take: "
                      "see what it links with -Wl,-Map")
endif()
