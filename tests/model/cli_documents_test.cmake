# quillet-cli's document commands on the seed files: info, dump, resave,
# and the refusal of unreadable input without leaving an output file.
# Run with -DCLI=<quillet-cli> -DCORPUS=<seed folder> -DWORK=<scratch folder>.

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

function(run expected_rc)
  execute_process(COMMAND ${CLI} ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(expected_rc STREQUAL "0" AND NOT rc EQUAL 0)
    message(FATAL_ERROR "quillet-cli ${ARGN}: exit ${rc}\n${err}")
  elseif(NOT expected_rc STREQUAL "0" AND rc EQUAL 0)
    message(FATAL_ERROR "quillet-cli ${ARGN}: succeeded, a failure was expected")
  endif()
  set(out "${out}" PARENT_SCOPE)
  set(err "${err}" PARENT_SCOPE)
endfunction()

function(expect_in text pattern)
  string(FIND "${text}" "${pattern}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "expected \"${pattern}\" in:\n${text}")
  endif()
endfunction()

foreach(command info dump resave identify)
  run(0 ${command} --help)
endforeach()

run(0 info ${CORPUS}/standards-d06.nrm)
expect_in("${out}" "Revision:  D.06")
expect_in("${out}" "Standards: 2")
run(0 info ${CORPUS}/autotest-z03.tat)
expect_in("${out}" "Sites:     none at this revision")

run(0 dump ${CORPUS}/graphs-d06.frt)
string(JSON curves LENGTH "${out}" curves)
string(JSON pair GET "${out}" curves 1 pairCode)
if(NOT curves EQUAL 3 OR NOT pair EQUAL 1)
  message(FATAL_ERROR "dump: ${curves} curves, second pair code ${pair}")
endif()

run(0 dump ${CORPUS}/autotest-sites-d06.tat)
string(JSON sites LENGTH "${out}" sites)
string(JSON slot1 LENGTH "${out}" sites 0 plugs 0 curveSlots 1)
if(NOT sites EQUAL 2 OR NOT slot1 EQUAL 1)
  message(FATAL_ERROR "dump: ${sites} sites, ${slot1} curves in the first plug's slot 1")
endif()
run(0 resave ${CORPUS}/autotest-sites-d06.tat ${WORK}/sites.tat)
run(0 info ${WORK}/sites.tat)
expect_in("${out}" "Sites:     2")

# An old file is stored as this program stores it; storing that again
# changes nothing.
run(0 resave ${CORPUS}/standards-a05.nrm ${WORK}/new.nrm)
run(0 info ${WORK}/new.nrm)
expect_in("${out}" "Revision:  D.06")
run(0 resave ${WORK}/new.nrm ${WORK}/again.nrm)
file(SHA256 ${WORK}/new.nrm first)
file(SHA256 ${WORK}/again.nrm second)
if(NOT first STREQUAL second)
  message(FATAL_ERROR "resave of its own output is not identical")
endif()

# Unreadable input: a message naming the file, a failure, no output file.
execute_process(COMMAND head -c 100 ${CORPUS}/graphs-d06.frt OUTPUT_FILE ${WORK}/cut.frt)
execute_process(COMMAND head -c 700 ${CORPUS}/autotest-sites-d06.tat OUTPUT_FILE ${WORK}/cut.tat)
foreach(bad cut.frt cut.tat missing.nrm)
  run(1 resave ${WORK}/${bad} ${WORK}/out-${bad})
  expect_in("${err}" "${WORK}/${bad}: ")
  if(EXISTS ${WORK}/out-${bad})
    message(FATAL_ERROR "resave of ${bad} left an output file")
  endif()
endforeach()

# A failed resave leaves an existing output file as it was.
run(1 resave ${WORK}/cut.tat ${WORK}/new.nrm)
file(SHA256 ${WORK}/new.nrm kept)
if(NOT kept STREQUAL first)
  message(FATAL_ERROR "a failed resave changed the existing output file")
endif()
run(1 info ${WORK}/cut.tat)

file(REMOVE_RECURSE ${WORK})
