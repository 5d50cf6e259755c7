#pragma once
// Software renderer of the 3-D picture: draws a Scene into an image of any size.

#include "scene.h"

#include <QImage>

// Draws the scene into image (Format_RGB32 or Format_ARGB32), filling all of it.
void renderScene(const Scene &scene, QImage &image);
