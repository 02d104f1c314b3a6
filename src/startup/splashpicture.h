// The splash picture, drawn by the program itself.
#pragma once
#include <QPixmap>

QPixmap splashPicture(int width, int height);
