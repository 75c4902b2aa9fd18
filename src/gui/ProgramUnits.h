#pragma once
// The program's units for the result windows the run window opens with their tables alone.
// main() names the application state's units; until then (and in tests that name none) SI.

#include "app/DisplayUnits.h"

namespace vardex::gui {

DisplayUnits& programUnits();
void setProgramUnits(DisplayUnits* units);

// Calls a function after each change of the program's units for as long as it lives.
class UnitsListener {
  public:
    explicit UnitsListener(std::function<void()> changed)
        : units_(programUnits()), id_(units_.subscribe(std::move(changed))) {}
    ~UnitsListener() { units_.unsubscribe(id_); }
    UnitsListener(const UnitsListener&) = delete;
    UnitsListener& operator=(const UnitsListener&) = delete;

  private:
    DisplayUnits& units_;
    int id_;
};

} // namespace vardex::gui
