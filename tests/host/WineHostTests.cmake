# RavelinHost.exe run under Wine as a user runs it: included by tests/CMakeLists.txt in
# Windows builds with tests.

# host_run(name EXIT status [ARGS args...] [STDOUT regex] [STDERR regex] [DEFINES k=v...])
function(host_run name)
    cmake_parse_arguments(arg "" "EXIT;STDOUT;STDERR" "ARGS;DEFINES" ${ARGN})
    list(JOIN arg_ARGS "|" joined)
    set(defines
        -DEMULATOR=${CMAKE_CROSSCOMPILING_EMULATOR}
        -DHOST=$<TARGET_FILE:ravelin_host>
        "-DHOST_ARGS=${joined}"
        -DEXPECT_EXIT=${arg_EXIT})
    if(DEFINED arg_STDOUT)
        list(APPEND defines "-DEXPECT_STDOUT=${arg_STDOUT}")
    endif()
    if(DEFINED arg_STDERR)
        list(APPEND defines "-DEXPECT_STDERR=${arg_STDERR}")
    endif()
    foreach(define IN LISTS arg_DEFINES)
        list(APPEND defines "-D${define}")
    endforeach()
    add_test(NAME ${name}
        COMMAND ${CMAKE_COMMAND} ${defines} -P ${CMAKE_CURRENT_SOURCE_DIR}/host/RunHost.cmake)
    set_tests_properties(${name} PROPERTIES TIMEOUT 120)
endfunction()

set(host_out ${CMAKE_BINARY_DIR}/host-tests)
file(MAKE_DIRECTORY ${host_out})

host_run(host_help EXIT 0 ARGS --help STDOUT "^Usage: RavelinHost .*--close-after-ms N.*--import FILE")
host_run(host_bad_option EXIT 2 ARGS --channels 17
    STDERR "^RavelinHost: --channels 17 is outside 0 to 16 \\(try --help\\)")
host_run(host_unknown_user EXIT 2 ARGS --user root
    STDERR "no rights profile \"root\". the profiles are admin, no-network, no-info, guest")
# The recorder's state is a configuration file: one that is not, the simulator's old binary
# state file among them, or a damaged one is refused in one line and left as it was.
set(state_advice ". delete it to start from the defaults, or give a configuration file exported from a recorder[\r\n]*$")
host_run(host_old_state EXIT 1 ARGS --state ${host_out}/old.state --close-after-ms 0
    STDERR "^RavelinHost: [^\n]*old.state: not a configuration file \\(not JSON at byte 1\\)${state_advice}"
    DEFINES WRITE_FILE=${host_out}/old.state "WRITE_TEXT=ZSIMSTAT old binary state" EXPECT_UNCHANGED=1)
host_run(host_damaged_state EXIT 1 ARGS --state ${host_out}/damaged-state.json --close-after-ms 0
    STDERR "^RavelinHost: [^\n]*damaged-state.json: records.Normal.dateFormat: outside 0 to 255${state_advice}"
    DEFINES WRITE_FILE=${host_out}/damaged-state.json EXPECT_UNCHANGED=1
        "WRITE_TEXT={\"format\": \"ravelin-recorder-configuration\", \"formatVersion\": 1, \"recorder\": {}, \"records\": {\"Normal\": {\"dateFormat\": 300}}}")
# A file a person wrote starts the recorder: its records, the defaults for the rest.
host_run(host_state_from_file EXIT 0
    ARGS --state ${host_out}/edited.json --export ${host_out}/from-edited.json
    STDOUT "^The configuration was exported\\.\r?\n"
    DEFINES WRITE_FILE=${host_out}/edited.json EXPECT_UNCHANGED=1
        "WRITE_TEXT={\"format\": \"ravelin-recorder-configuration\", \"formatVersion\": 1, \"recorder\": {}, \"records\": {\"NTP\": {\"server\": \"ntp.shop.example\"}, \"Version\": {\"videoInputs\": 4}}}"
        REMOVE=${host_out}/from-edited.json EXPECT_FILE=${host_out}/from-edited.json
        "EXPECT_FILE_MATCHES=\"server\":\"ntp[.]shop[.]example\"|\"videoInputs\": ?4,|\"server\":\"smtp[.]example[.]com\"")
host_run(host_missing_library EXIT 1 ARGS --close-after-ms 0
    STDERR "RavelinHost: cannot load .*Ravelin.dll"
    DEFINES COPY_TO=${host_out}/alone COPY_FILES=$<TARGET_FILE:zelDisp>)
host_run(host_unknown_page EXIT 1 ARGS --page Nowhere --close-after-ms 200
    STDERR "no page \"Nowhere\" in the tree. it has .*Hdd Info")
# Every other option at once, with the rights entry; the state file is made from the defaults
# and keeps the channel count the window closed with.
host_run(host_guest_session EXIT 0
    ARGS --user guest --lang zh --channels 4 --latency 5 --state ${host_out}/guest.json
         --close-after-ms 200
    DEFINES REMOVE=${host_out}/guest.json EXPECT_FILE=${host_out}/guest.json
        "EXPECT_FILE_MATCHES=\"format\": \"ravelin-recorder-configuration\"|\"videoInputs\": ?4,|\"password\":\"pppoe-8108\"")
# A back-up and a restore without a window: the restore onto the same recorder sends nothing; a
# file that is not one is refused. What the host prints is the library's zelConfigMessage.
host_run(host_export_config EXIT 0
    ARGS --state ${host_out}/config.json --export ${host_out}/backup.json
    STDOUT "^The configuration was exported\\.\r?\n"
    DEFINES REMOVE=${host_out}/backup.json EXPECT_FILE=${host_out}/backup.json)
host_run(host_import_config EXIT 0
    ARGS --state ${host_out}/config.json --import ${host_out}/backup.json --clone
    STDOUT "^The recorder already holds this configuration; nothing was sent\\.\r?\n")
host_run(host_import_damaged EXIT 1
    ARGS --import ${host_out}/damaged.json
    STDERR "^RavelinHost: The file is not a recorder configuration file; nothing was sent\\.[\r\n]"
    DEFINES WRITE_FILE=${host_out}/damaged.json "WRITE_TEXT={\"format\": \"other\"}")
# A refusal names the record and the field, in the language asked for.
set(range_file "{\"format\": \"ravelin-recorder-configuration\", \"formatVersion\": 1, \"recorder\": {}, \"records\": {\"Normal\": {\"dateFormat\": 300}}}")
host_run(host_import_out_of_range EXIT 1
    ARGS --import ${host_out}/range.json
    STDERR "^RavelinHost: The file was refused: records.Normal.dateFormat holds a value its field cannot hold \\(outside 0 to 255\\); nothing was sent\\."
    DEFINES WRITE_FILE=${host_out}/range.json "WRITE_TEXT=${range_file}")
host_run(host_import_out_of_range_pt EXIT 1
    ARGS --lang pt --import ${host_out}/range-pt.json
    STDERR "^RavelinHost: O arquivo foi recusado: records.Normal.dateFormat tem um valor que não cabe no campo; nada foi enviado\\."
    DEFINES WRITE_FILE=${host_out}/range-pt.json "WRITE_TEXT=${range_file}")
# A check prints what would change, field by field, and the identity the recorder keeps (the
# file names no recorder, so it is another one's); it sends nothing.
set(changes_file "{\"format\": \"ravelin-recorder-configuration\", \"formatVersion\": 1, \"recorder\": {}, \"records\": {\"Normal\": {\"packMinutes\": 30}, \"Net\": {\"ip\": \"10.0.0.9\", \"preferredDns\": \"1.1.1.1\"}, \"NTP\": {\"server\": \"time.example.org\"}}}")
host_run(host_import_dry_run EXIT 0
    ARGS --import ${host_out}/changes.json --dry-run
    STDOUT "^An import would send 3 records \\(nothing was sent\\); this recorder keeps its own Net.ip\\.\r?\nNormal.packMinutes: 60 -> 30\r?\nNet.preferredDns: 192.168.1.1 -> 1.1.1.1\r?\nNTP.server: pool.ntp.org -> time.example.org\r?\n$"
    DEFINES WRITE_FILE=${host_out}/changes.json "WRITE_TEXT=${changes_file}")
# A send that fails puts back what went before it; a failing save fails the import.
host_run(host_import_failed_send EXIT 1
    ARGS --import ${host_out}/changes-failing.json --fail zelDispHisiNewMenuNTPSet
    STDERR "^RavelinHost: Sending NTP failed; the records sent before it were put back, so the recorder is as it was, and nothing was made permanent\\."
    DEFINES WRITE_FILE=${host_out}/changes-failing.json "WRITE_TEXT=${changes_file}")
host_run(host_import_failed_save EXIT 1
    ARGS --import ${host_out}/changes-unsaved.json --fail zelDispSaveMenu
    STDERR "^RavelinHost: 3 records were sent, but the recorder could not make them permanent; this recorder keeps its own Net.ip\\."
    DEFINES WRITE_FILE=${host_out}/changes-unsaved.json "WRITE_TEXT=${changes_file}")
host_run(host_unknown_fail EXIT 1 ARGS --fail zelDispNothing --close-after-ms 0
    STDERR "RavelinHost: --fail: the recorder has no device function \"zelDispNothing\"")
set_tests_properties(host_export_config PROPERTIES FIXTURES_SETUP host_backup)
set_tests_properties(host_import_config PROPERTIES FIXTURES_REQUIRED host_backup)

# Runs that show the window do so alone, so that they take no focus from another test's window.
set_tests_properties(host_unknown_page host_guest_session PROPERTIES RUN_SERIAL TRUE)

# A picture of the Portuguese window on its disk page; alone on the desktop too, so that no
# other test's window covers it.
set(host_png ${CMAKE_BINARY_DIR}/host-check.png)
host_run(host_screenshot EXIT 0
    ARGS --lang pt --page "Discos rígidos" --screenshot ${host_png} --close-after-ms 800
    STDOUT "^${host_png}\n"
    DEFINES REMOVE=${host_png})
set_tests_properties(host_screenshot PROPERTIES RUN_SERIAL TRUE FIXTURES_SETUP host_png)
add_test(NAME host_screenshot_png
    COMMAND ${CMAKE_COMMAND} -DFILE=${host_png} -DMIN_SIZE=200
        -P ${CMAKE_CURRENT_SOURCE_DIR}/host/CheckPng.cmake)
set_tests_properties(host_screenshot_png PROPERTIES FIXTURES_REQUIRED host_png)

# The progress window of a slow recorder, pictured half way through the reading.
set(progress_png ${CMAKE_BINARY_DIR}/host-progress.png)
host_run(host_progress_screenshot EXIT 0
    ARGS --lang zh --latency 40 --progress-screenshot ${progress_png} --close-after-ms 0
    STDOUT "^${progress_png}\n"
    DEFINES REMOVE=${progress_png})
set_tests_properties(host_progress_screenshot PROPERTIES RUN_SERIAL TRUE FIXTURES_SETUP progress_png)
add_test(NAME host_progress_png
    COMMAND ${CMAKE_COMMAND} -DFILE=${progress_png} -DMIN_SIZE=40
        -P ${CMAKE_CURRENT_SOURCE_DIR}/host/CheckPng.cmake)
set_tests_properties(host_progress_png PROPERTIES FIXTURES_REQUIRED progress_png)
