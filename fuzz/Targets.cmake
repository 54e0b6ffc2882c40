# The fuzz targets, shared by the libFuzzer build (fuzz/CMakeLists.txt) and
# the regression run in the normal build (tests/fuzz/CMakeLists.txt): each
# target's entry source, the helpers it needs and the libraries it reads with.
set(TINGDU_FUZZ_DIR ${CMAKE_CURRENT_LIST_DIR})
set(TINGDU_FUZZ_TARGETS gbk sentence_book word_book rtf sound_file mp3 jpeg subtitles course_source)

set(TINGDU_FUZZ_gbk_SOURCES gbk_fuzzer.cpp)
set(TINGDU_FUZZ_gbk_LIBS tingdu_platform)

set(TINGDU_FUZZ_sentence_book_SOURCES sentence_book_fuzzer.cpp)
set(TINGDU_FUZZ_sentence_book_LIBS tingdu_sentence_core)

set(TINGDU_FUZZ_word_book_SOURCES word_book_fuzzer.cpp)
set(TINGDU_FUZZ_word_book_LIBS tingdu_word_core)

set(TINGDU_FUZZ_rtf_SOURCES rtf_fuzzer.cpp)
set(TINGDU_FUZZ_rtf_LIBS tingdu_controls)

set(TINGDU_FUZZ_sound_file_SOURCES sound_file_fuzzer.cpp SoundTarget.cpp ScratchFile.cpp)
set(TINGDU_FUZZ_sound_file_LIBS tingdu_media)

set(TINGDU_FUZZ_mp3_SOURCES mp3_fuzzer.cpp SoundTarget.cpp ScratchFile.cpp)
set(TINGDU_FUZZ_mp3_LIBS tingdu_media)

set(TINGDU_FUZZ_jpeg_SOURCES jpeg_fuzzer.cpp)
set(TINGDU_FUZZ_jpeg_LIBS tingdu_controls)

set(TINGDU_FUZZ_subtitles_SOURCES subtitles_fuzzer.cpp)
set(TINGDU_FUZZ_subtitles_LIBS bookmaker_core)

set(TINGDU_FUZZ_course_source_SOURCES course_source_fuzzer.cpp)
set(TINGDU_FUZZ_course_source_LIBS bookmaker_core)

# tingdu_add_fuzz_entry(EXECUTABLE TARGET): gives EXECUTABLE the entry source
# and helpers of fuzz target TARGET and links what it reads with.
function(tingdu_add_fuzz_entry executable target)
  list(TRANSFORM TINGDU_FUZZ_${target}_SOURCES PREPEND ${TINGDU_FUZZ_DIR}/ OUTPUT_VARIABLE sources)
  target_sources(${executable} PRIVATE ${sources})
  target_include_directories(${executable} PRIVATE ${TINGDU_FUZZ_DIR} ${CMAKE_SOURCE_DIR}/src)
  target_link_libraries(${executable} PRIVATE ${TINGDU_FUZZ_${target}_LIBS})
endfunction()
