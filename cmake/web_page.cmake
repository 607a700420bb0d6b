# cmake -DPAGE=template -DSCRIPT=orrery.js -DOUTPUT=orrery.html -P web_page.cmake: the page with
# the program's script inlined where the template says @ORRERY_SCRIPT@.
file(READ "${PAGE}" page)
file(READ "${SCRIPT}" script)
# Inside a script element, the first "</script" ends it, wherever it stands.
string(FIND "${script}" "</script" closing)
if(NOT closing EQUAL -1)
  message(FATAL_ERROR "${SCRIPT} holds \"</script\", which would end the page's script early")
endif()
string(REPLACE "@ORRERY_SCRIPT@" "${script}" page "${page}")
file(WRITE "${OUTPUT}" "${page}")
