#include "forms/x11/font_config.h"

#include <fontconfig/fontconfig.h>

#include <cstdlib>
#include <cstring>
#include <strings.h>

namespace forms::x11 {
namespace {

// The scalable-font and cache directories of a standard installation, and
// the one rendering preference that the system configuration sets for every
// font. The bitmap and Type 1 directories are left out: the faces wanted are
// TrueType, and every font listed is read through while matching.
constexpr const char* quick_configuration = R"(<?xml version="1.0"?>
<fontconfig>
  <dir>/usr/share/fonts/truetype</dir>
  <dir>/usr/local/share/fonts</dir>
  <dir>~/.local/share/fonts</dir>
  <dir>~/.fonts</dir>
  <cachedir>/var/cache/fontconfig</cachedir>
  <cachedir prefix="xdg">fontconfig</cachedir>
  <cachedir>~/.fontconfig</cachedir>
  <match target="pattern">
    <edit name="hintstyle" mode="append"><const>hintslight</const></edit>
  </match>
</fontconfig>
)";

enum class Configuration { Unset, Quick, System };
Configuration current = Configuration::Unset;

// Someone who points fontconfig at a configuration of their own means it.
bool configuration_chosen_by_user() {
    for (const char* variable : {"FONTCONFIG_FILE", "FONTCONFIG_PATH", "FONTCONFIG_SYSROOT"}) {
        if (std::getenv(variable))
            return true;
    }
    return false;
}

bool use_quick_configuration() {
    if (configuration_chosen_by_user())
        return false;
    FcConfig* config = FcConfigCreate();
    if (!config)
        return false;
    const bool loaded =
        FcConfigParseAndLoadFromMemory(
            config, reinterpret_cast<const FcChar8*>(quick_configuration), FcFalse) &&
        FcConfigBuildFonts(config) && FcConfigSetCurrent(config);
    // The library holds its own reference to the current configuration.
    FcConfigDestroy(config);
    return loaded;
}

void use_system_configuration() {
    FcConfig* config = FcInitLoadConfigAndFonts();
    if (config) {
        FcConfigSetCurrent(config);
        FcConfigDestroy(config);
    }
    current = Configuration::System;
}

bool is_one_of(FcPattern* matched, std::span<const std::string_view> families) {
    FcChar8* family = nullptr;
    if (FcPatternGetString(matched, FC_FAMILY, 0, &family) != FcResultMatch)
        return false;
    const auto* name = reinterpret_cast<const char*>(family);
    for (std::string_view wanted : families) {
        if (wanted.size() == std::strlen(name) &&
            strncasecmp(wanted.data(), name, wanted.size()) == 0)
            return true;
    }
    return false;
}

} // namespace

FcPattern* match_font(::Display* display, int screen, FcPattern* requested,
                      std::span<const std::string_view> families) {
    if (current == Configuration::Unset)
        current = use_quick_configuration() ? Configuration::Quick : Configuration::Unset;
    if (current == Configuration::Unset)
        use_system_configuration();

    FcResult result = FcResultNoMatch;
    FcPattern* matched = XftFontMatch(display, screen, requested, &result);
    if (current == Configuration::System || (matched && is_one_of(matched, families)))
        return matched;

    // The quick configuration has none of the families: ask the system's.
    if (matched)
        FcPatternDestroy(matched);
    use_system_configuration();
    return XftFontMatch(display, screen, requested, &result);
}

} // namespace forms::x11
