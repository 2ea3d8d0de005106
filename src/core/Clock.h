#pragma once

#include <optional>
#include <string>

// Every "today" and "now" of the program comes from here, so tests can pin
// the date and time the program believes it is.
struct LocalDateTime {
    int year = 2000;
    int month = 1; // 1..12
    int day = 1;   // 1..31
    int hour = 0;
    int minute = 0;
    int second = 0;

    std::string DateText() const; // "dd-mm-yyyy"
    std::string TimeText() const; // "hh:mm"
    bool operator==(const LocalDateTime&) const = default;
};

class Clock {
  public:
    static LocalDateTime Now();
    static void Pin(const LocalDateTime& when);
    static void Unpin();

  private:
    static std::optional<LocalDateTime>& pinned();
};
