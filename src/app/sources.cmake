suudokuan_logic(app SOURCES app/services.cpp DEPS core_text)
target_sources(suudokuan_ui PRIVATE app/app.cpp app/app.h app/dialogs.cpp app/dialogs.h)
