suudokuan_logic(results SOURCES results/resultrecord.cpp results/resultsfile.cpp
                                results/statistics.cpp
                        DEPS core_text core_startup core_app)
