# Window registration: each feature library has one function, register<Name>Windows(WindowManager &), and the
# build writes the function that calls those of the libraries it has.

# ambrelis_registration_function(<out-var> <name>): "reference" -> "registerReferenceWindows"
function(ambrelis_registration_function out name)
    string(SUBSTRING "${name}" 0 1 first)
    string(TOUPPER "${first}" first)
    string(SUBSTRING "${name}" 1 -1 rest)
    set(${out} "register${first}${rest}Windows" PARENT_SCOPE)
endfunction()

# ambrelis_write_registrations(<output.cpp> <function> <registration functions>...)
function(ambrelis_write_registrations output function)
    set(declarations "")
    set(calls "")
    foreach(fn ${ARGN})
        string(APPEND declarations "void ${fn}(WindowManager &manager);\n")
        string(APPEND calls "    ${fn}(manager);\n")
    endforeach()
    file(CONFIGURE OUTPUT "${output}" CONTENT
"// Written by the build: the window registrations of the libraries it has.
class WindowManager;

${declarations}
void ${function}([[maybe_unused]] WindowManager &manager)
{
${calls}}
")
endfunction()
