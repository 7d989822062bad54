#pragma once

#include "VoiceChoice.h"

#include <QImage>

// The voice tree's pictures, drawn here rather than shipped: a loudspeaker for a vendor, a man,
// a woman and a plain figure. Our own drawings, under the program's licence.
QImage VoicePictureImage(TVoicePicture picture, int size = 16);
