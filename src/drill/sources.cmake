suudokuan_logic(drill
    SOURCES drill/kanji.cpp drill/problems.cpp drill/answerboard.cpp drill/round.cpp
            drill/roundresult.cpp
    DEPS core_text core_startup core_results core_sound core_app)
target_sources(suudokuan_ui PRIVATE
    drill/scaledplacer.cpp drill/scaledplacer.h
    drill/mainfrm.cpp drill/mainfrm.h
    results/frmsyuuryou.cpp results/frmsyuuryou.h)
