#include "FontWarmup.h"

#ifdef ORVANTA_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

TFontWarmup::TFontWarmup() {
#ifdef ORVANTA_HAVE_FONTCONFIG
    FThread = std::thread([] { FcInit(); });
#endif
}
