suudokuan_logic(drill SOURCES drill/kanji.cpp DEPS core_text)
