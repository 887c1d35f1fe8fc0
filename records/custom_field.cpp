#include "records/custom_field.h"

#include <cmath>

#include "records/leading_number.h"

namespace klandor {

namespace {

// The upper limit first, then the lower one, in that order.
double limited(double value, double low, double high) {
  if (value > high) value = high;
  if (value < low) value = low;
  return value;
}

double whole(std::string_view text) { return std::trunc(leadingNumber(text)); }

}  // namespace

CustomField customField(std::string_view acr, std::string_view dwn, std::string_view tm) {
  CustomField f;
  f.across = static_cast<int>(limited(whole(acr), kMinAcross, kMaxAcross));
  f.down = static_cast<int>(limited(whole(dwn), kMinDown, kMaxDown));
  f.totalmines = static_cast<int>(limited(whole(tm), kMinMines, maxMines(f.across, f.down)));
  return f;
}

}  // namespace klandor
