#include "qt/font_config_load.hpp"

#ifdef CORVANTH_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace corvanth::qt {

// When Qt lists the fonts, it asks fontconfig for this same configuration and finds it loaded.
FontConfigLoad::FontConfigLoad() {
#ifdef CORVANTH_HAVE_FONTCONFIG
    thread_ = std::jthread([] { FcInit(); });
#endif
}

void FontConfigLoad::wait() {
    if (thread_.joinable()) thread_.join();
}

}  // namespace corvanth::qt
