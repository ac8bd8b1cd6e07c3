# Makes the playback tests' recordings once for the whole run (the CTest fixture
# "playback_recordings"), so the test programs start no generator from their own
# threads. A kind missing here is still made on first use by the program that
# asks for it. Run as: cmake -DGENERATOR=... -DOUT=... -P make_test_recordings.cmake
#
# Each kind: container channels video audio seconds telemetry; named as the
# tests name them (2ch_h264_aac_2s.AVI, ..._notel for no telemetry).
set(kinds
  "AVI 1 h264 aac 2 on" "AVI 1 h264 aac 2 off" "AVI 1 h264 pcm 1 on" "AVI 1 h264 pcm 2 on"
  "AVI 2 h264 aac 2 on" "AVI 2 h264 aac 2 off" "AVI 2 h264 aac 3 on" "AVI 2 h264 none 2 off"
  "AVI 2 mpeg4 pcm 2 on"
  "MP4 1 h264 aac 1 on" "MP4 1 h264 aac 2 on" "MP4 1 h264 none 1 on" "MP4 1 h264 none 2 on"
  "MP4 1 mpeg4 none 2 on" "MP4 2 h264 aac 1 on" "MP4 2 h264 aac 2 on" "MP4 2 h264 none 2 on")

file(REMOVE_RECURSE "${OUT}")
file(MAKE_DIRECTORY "${OUT}")
foreach(kind IN LISTS kinds)
  separate_arguments(f UNIX_COMMAND "${kind}")
  list(GET f 0 container)
  list(GET f 1 channels)
  list(GET f 2 video)
  list(GET f 3 audio)
  list(GET f 4 seconds)
  list(GET f 5 telemetry)
  set(name "${channels}ch_${video}_${audio}_${seconds}s")
  if(telemetry STREQUAL "off")
    string(APPEND name "_notel")
  endif()
  string(APPEND name ".${container}")
  execute_process(
    COMMAND "${GENERATOR}" --out "${OUT}/${name}" --channels ${channels} --video ${video}
            --audio ${audio} --seconds ${seconds} --front 160x120 --rear 160x120
            --telemetry ${telemetry}
    RESULT_VARIABLE result ERROR_VARIABLE err OUTPUT_QUIET)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "make-recording failed for ${name}: ${err}")
  endif()
endforeach()
list(LENGTH kinds count)
message(STATUS "made ${count} recordings in ${OUT}")
