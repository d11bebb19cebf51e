# Our headers comment in plain // lines: a file's first lines say what it is for, a comment
# above a declaration says what the declaration does, one after a member says what it holds.
# Doxygen reads only its own comment marks, so they are put in as each header is read.
BEGIN { head = 1; described = 0 }
{
    line = $0
    if (head) {
        if (line ~ /^#pragma once/) { print line; next }
        if (line ~ /^\/\/( |$)/) {
            sub(/^\/\/ ?/, "", line)
            if (!described) { print "/// \\file"; described = 1 }
            print "/// " line
            next
        }
        head = 0
    }
    if (line ~ /^[ \t]*\/\/( |$)/) {
        sub(/\/\//, "///", line)
    } else if (line ~ /[;,{][ \t]*\/\/ /) {
        sub(/[ \t]*\/\/ /, " ///< ", line)
    }
    print line
}
