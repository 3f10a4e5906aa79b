# Turns a text file into a C++ source that returns it: cmake -DINPUT= -DOUTPUT= -DNAME= -P
file(READ ${INPUT} content)
file(WRITE ${OUTPUT}
"// Generated from ${INPUT}; edit that file instead.\n"
"namespace airvane::sim {\n"
"const char* ${NAME}() {\n"
"    return R\"airvane_text(${content})airvane_text\";\n"
"}\n"
"}  // namespace airvane::sim\n")
