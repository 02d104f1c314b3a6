suudokuan_logic(text SOURCES text/cp932.cpp text/itemlist.cpp text/numparse.cpp
                             text/loaderror.cpp text/dateserial.cpp)
