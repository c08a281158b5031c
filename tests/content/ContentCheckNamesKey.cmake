# The build's content check fails on a misspelt key and names the file and the key. Each case copies one file
# of the source tree with a single edit into a scratch folder and runs the check on it; the unedited copy must
# pass, so that the failure comes from the edit alone.
# Run with -DCHECK=<ambrelis_contentcheck> -DSOURCE=<source dir> -DSCRATCH=<folder>.
set(cases
    # file | text in the file | text it becomes | what the check must say
    "content/reference/reflexology.json|\"right\"|\"rigth\"|reference/reflexology.json: labels.right: missing"
    "content/reference/about.json|\"Label3\"|\"Label 3\"|reference/about.json: labels.Label3: missing"
    "content/oils/pages.json|\"botanical\"|\"botanicl\"|oils/pages.json: pages[0].rows[0].botanical: missing"
    "content/reference/safety.json|\"kind\": \"heading\"|\"kind\": \"headline\"|reference/safety.json: pages[0].blocks[0].kind: not a kind of block"
    # The safety file holds two sections read by two readers: a key is unread only if neither takes it.
    "content/safety/oils.json|\"dropsPerMl\"|\"dropsPerML\"|safety/oils.json: dropsPerML: not a key of this file"
    "content/safety/oils.json|\"phototoxicMax\"|\"phototoxicMaximum\"|safety/oils.json: oils[0].phototoxicMaximum: not a key"
    "content/safety/oils.json|\"flOzMl\"|\"flOzML\"|safety/oils.json: flOzML: not a key of this file"
    "content/safety/oils.json|\"sun\"|\"sunny\"|safety/oils.json: uses[0].sunny: not a key of this file"
    "content/safety/oils.json|\"infantAge\"|\"infantAges\"|safety/oils.json: general[1].infantAges: not a key"
    # The maker's values have a reader of their own, outside content/.
    "config/maker.json|\"town\"|\"twon\"|config/maker.json: \"postalAddress.town\" is missing"
    "config/maker.json|\"percentOff\"|\"percentoff\"|config/maker.json: \"discountOffer.percentOff\" is not a whole number")

foreach(case IN LISTS cases)
    string(REPLACE "|" ";" fields "${case}")
    list(GET fields 0 file)
    list(GET fields 1 from)
    list(GET fields 2 to)
    list(GET fields 3 expected)
    file(READ "${SOURCE}/${file}" original)
    string(FIND "${original}" "${from}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "${file} has no ${from} to misspell")
    endif()

    file(REMOVE_RECURSE "${SCRATCH}")
    file(WRITE "${SCRATCH}/${file}" "${original}")
    execute_process(COMMAND "${CHECK}" "${SCRATCH}" --only "${file}" RESULT_VARIABLE result ERROR_VARIABLE out)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "${file} as it is fails the check: ${out}")
    endif()

    # Only the first occurrence is edited, as a slip of the keyboard would.
    string(SUBSTRING "${original}" 0 ${at} head)
    string(LENGTH "${from}" length)
    math(EXPR rest "${at} + ${length}")
    string(SUBSTRING "${original}" ${rest} -1 tail)
    file(WRITE "${SCRATCH}/${file}" "${head}${to}${tail}")
    execute_process(COMMAND "${CHECK}" "${SCRATCH}" --only "${file}" RESULT_VARIABLE result ERROR_VARIABLE out)
    if(result EQUAL 0)
        message(FATAL_ERROR "${file} with ${to} for ${from} passes the check")
    endif()
    string(FIND "${out}" "${expected}" found)
    if(found EQUAL -1)
        message(FATAL_ERROR "${file} with ${to} for ${from}: expected \"${expected}\", the check said: ${out}")
    endif()
endforeach()
file(REMOVE_RECURSE "${SCRATCH}")
