#include "dialog/centring.h"

#include <algorithm>

#include "dialog/saturating.h"

namespace tovask {

CentringMode ChooseCentring(bool hasOwner, bool ownerMinimised, bool centreOnScreen) {
  if (!hasOwner || ownerMinimised || centreOnScreen) return CentringMode::ScreenCentring;
  return CentringMode::OwnerCentring;
}

Position CentreOnScreen(int64_t screenWidth, int64_t screenHeight, int64_t width, int64_t height) {
  return {SaturatingSub(screenWidth, std::min(width, screenWidth)) / 2,
          SaturatingSub(screenHeight, std::min(height, screenHeight)) / 2};
}

Position CentreOnOwner(const ScreenRect& owner, int64_t width, int64_t height) {
  auto centre = [](int64_t nearEdge, int64_t farEdge, int64_t size) {
    int64_t spare = SaturatingSub(SaturatingSub(farEdge, nearEdge), size);
    return std::max<int64_t>(SaturatingAdd(nearEdge, spare / 2), 0);
  };
  return {centre(owner.Left, owner.Right, width), centre(owner.Top, owner.Bottom, height)};
}

}  // namespace tovask
