suudokuan_logic(sound SOURCES sound/soundcues.cpp sound/sdlaudio.cpp sound/cueplayer.cpp
                        sound/wavfile.cpp
                DEPS core_text core_app)
