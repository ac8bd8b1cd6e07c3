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

# A recording this project did not write: ffmpeg re-encodes a generated one with
# key frames every 30 pictures in front and every 45 in the rear (and B-frames in
# front where the container carries them), so the channels' key frames do not
# line up.
set(source "${OUT}/foreign-source.AVI")
execute_process(
  COMMAND "${GENERATOR}" --out "${source}" --channels 2 --video h264 --audio aac --seconds 4
          --front 160x120 --rear 160x120 --telemetry off
  RESULT_VARIABLE result ERROR_VARIABLE err OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "make-recording failed for the foreign source: ${err}")
endif()
foreach(container mp4 mkv avi)
  set(bframes -bf:v:0 2 -bf:v:1 0)
  if(container STREQUAL "avi")
    set(bframes -bf 0)
  endif()
  execute_process(
    COMMAND ffmpeg -v error -y -i "${source}" -map 0:v:0 -map 0:v:1 -map 0:a -c:v libx264
            -preset veryfast -crf 12 -g:v:0 30 -g:v:1 45 -keyint_min 1000 -sc_threshold 0
            ${bframes} -fps_mode passthrough -c:a copy "${OUT}/foreign_gop30_45.${container}"
    RESULT_VARIABLE result ERROR_VARIABLE err OUTPUT_QUIET)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "ffmpeg failed for the foreign ${container} recording: ${err}")
  endif()
endforeach()
file(REMOVE "${source}")

list(LENGTH kinds count)
message(STATUS "made ${count} recordings and three foreign ones in ${OUT}")
