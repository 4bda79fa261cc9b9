#include "dialog/captions.h"

namespace tovask {

TextView CaptionModule(int64_t id) {
  if (id >= 4130) return u"shell32";
  if (id >= 369 && id <= 385) return u"comdlg32";
  return u"user32";
}

Captions ChooseCaptions(bool englishCaptions, Text (*systemString)(int64_t id)) {
  Captions captions;
  if (!englishCaptions) {
    captions.Ok = systemString(OkCaptionId);
    captions.Cancel = systemString(CancelCaptionId);
  }
  return captions;
}

}  // namespace tovask
