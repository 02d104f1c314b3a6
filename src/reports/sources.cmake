suudokuan_logic(reports SOURCES reports/reporthelpers.cpp reports/rankings.cpp
                                reports/recordtail.cpp reports/resultlists.cpp
                        DEPS core_text core_startup core_results core_roster core_app)
