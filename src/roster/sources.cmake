suudokuan_logic(roster SOURCES roster/roster.cpp roster/roster.h roster/namelist.cpp
                               roster/namelist.h
                       DEPS core_text core_startup core_results core_app)
target_sources(suudokuan_ui PRIVATE roster/namesel.cpp roster/namesel.h)
