# zorvel_add_test(<kind> <name> COMMAND <command> [<argument>...]
#                 [ENVIRONMENT <variable=value>...] [PROPERTIES <property> <value>...])
#
# Registers the test <kind>.<name> with the label <kind>, so that every test's name
# says what it checks and `ctest -L <kind>` runs one kind alone. The kinds are
# evaluation, assets, window, desktop, robustness and fuzz.
function(zorvel_add_test kind name)
    cmake_parse_arguments(PARSE_ARGV 2 arg "" "" "COMMAND;ENVIRONMENT;PROPERTIES")
    if(NOT arg_COMMAND OR arg_UNPARSED_ARGUMENTS)
        message(FATAL_ERROR "zorvel_add_test(${kind} ${name}): expected COMMAND, ENVIRONMENT "
                            "and PROPERTIES, got: ${ARGN}")
    endif()
    set(test ${kind}.${name})
    add_test(NAME ${test} COMMAND ${arg_COMMAND})
    set_tests_properties(${test} PROPERTIES LABELS ${kind} ${arg_PROPERTIES})
    if(arg_ENVIRONMENT)
        set_property(TEST ${test} PROPERTY ENVIRONMENT ${arg_ENVIRONMENT})
    endif()
endfunction()
