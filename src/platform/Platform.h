#pragma once

#include "core/startup/SystemInfo.h"

#include <QRect>

#include <optional>

// What the windows ask of the desktop: the operating system and its visual
// styles, the screen and its density, and the work area.
struct PlatformAnswers {
    SystemInfo system;
    int screenWidthPx = 1024;
    int screenHeightPx = 768;
    double twipsPerPixelX = 15.0; // 1440 / dots per inch
    double twipsPerPixelY = 15.0;
    std::optional<QRect> workAreaPx; // empty when the desktop cannot tell
};

class Platform {
  public:
    // The answers of the running desktop, or those a test has set.
    static PlatformAnswers Probe();
    static void SetAnswers(const PlatformAnswers& answers);
    static void ClearAnswers();

    // Shorthands the windows use.
    static bool IsThemeActive() { return Probe().system.ThemeActive; }

  private:
    static std::optional<PlatformAnswers>& forced();
};
