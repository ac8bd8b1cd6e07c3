# Makes the demo card of the file-list tests afresh (the CTest fixture
# "demo_card"): written beside its place and renamed, so that no test sees a
# half-written card. Run as: cmake -DGENERATOR=... -DOUT=... -P make_demo_card.cmake
file(REMOVE_RECURSE "${OUT}" "${OUT}.making")
execute_process(COMMAND "${GENERATOR}" --card "${OUT}.making" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "make-recording --card failed: ${result}")
endif()
file(RENAME "${OUT}.making" "${OUT}")
