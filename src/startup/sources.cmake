suudokuan_logic(startup SOURCES startup/settings.cpp startup/identity.cpp startup/criteria.cpp
                                startup/eradate.cpp
                        DEPS core_text core_sound)
target_sources(suudokuan_ui PRIVATE startup/firstfrm.cpp startup/firstfrm.h startup/basefrm.cpp
                                    startup/basefrm.h startup/frmver.cpp startup/frmver.h
                                    startup/splashpicture.cpp startup/splashpicture.h)
