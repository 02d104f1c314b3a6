suudokuan_logic(menu SOURCES menu/availability.cpp menu/menutexts.cpp menu/studentlist.cpp
                     DEPS core_text core_startup core_results core_roster core_app core_reports)
target_sources(suudokuan_ui PRIVATE menu/seisekitime1.cpp menu/seisekitime1.h)
