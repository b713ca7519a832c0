#include "mfc/gdi/FontConfiguration.h"

#include <fontconfig/fontconfig.h>

#include <cstdlib>
#include <mutex>

namespace qelt::gdi {

// The system's font folders and caches, and its rules for hinting, antialiasing and the LCD
// filter, for the WenQuanYi faces, for spacing, bitmap faces and synthetic bold and italic. The
// rule files are named relative to fontconfig's own configuration folder and skipped where the
// system has none (or has turned one off).
const char* OwnFontConfiguration() {
    return R"(<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <dir>/usr/share/fonts</dir>
  <dir>/usr/local/share/fonts</dir>
  <dir prefix="xdg">fonts</dir>
  <dir>~/.fonts</dir>
  <cachedir>/var/cache/fontconfig</cachedir>
  <cachedir prefix="xdg">fontconfig</cachedir>
  <include ignore_missing="yes">conf.d/10-hinting-slight.conf</include>
  <include ignore_missing="yes">conf.d/10-scale-bitmap-fonts.conf</include>
  <include ignore_missing="yes">conf.d/10-yes-antialias.conf</include>
  <include ignore_missing="yes">conf.d/11-lcdfilter-default.conf</include>
  <include ignore_missing="yes">conf.d/25-wqy-zenhei.conf</include>
  <include ignore_missing="yes">conf.d/48-spacing.conf</include>
  <include ignore_missing="yes">conf.d/64-wqy-zenhei.conf</include>
  <include ignore_missing="yes">conf.d/70-no-bitmaps.conf</include>
  <include ignore_missing="yes">conf.d/90-synthetic.conf</include>
</fontconfig>
)";
}

namespace {

void MakeOwnConfigurationCurrent() {
    if (std::getenv("FONTCONFIG_FILE") || std::getenv("FONTCONFIG_PATH")) return;
    FcConfig* config = FcConfigCreate();
    if (!config) return;
    const auto* text = reinterpret_cast<const FcChar8*>(OwnFontConfiguration());
    if (FcConfigParseAndLoadFromMemory(config, text, FcFalse)) FcConfigSetCurrent(config);
    FcConfigDestroy(config);  // the current configuration holds a reference of its own
}

}  // namespace

void UseOwnFontConfiguration() {
    static std::once_flag once;
    std::call_once(once, MakeOwnConfigurationCurrent);
}

}  // namespace qelt::gdi
