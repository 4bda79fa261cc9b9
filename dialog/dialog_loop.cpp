#include "dialog/dialog_loop.h"

#include <algorithm>

namespace tovask {

void PushEvent(EventQueue& queue, const DialogEvent& event) { queue.Pending.push_back(event); }

bool PopEvent(EventQueue& queue, DialogEvent& event) {
  if (queue.Pending.empty()) return false;
  event = queue.Pending.front();
  queue.Pending.pop_front();
  return true;
}

void DiscardWindowEvents(EventQueue& queue, int32_t window) {
  std::erase_if(queue.Pending, [window](const DialogEvent& e) { return e.Window == window; });
}

Reaction ReactToEvent(const DialogEvent* event, LoopState& state) {
  Reaction reaction;
  if (event == nullptr) return reaction;
  switch (event->Kind) {
    case EventKind::CommandEvent:
    case EventKind::ControlEvent:
      reaction.Ending = event->Id;
      break;
    case EventKind::CloseEvent:
      reaction.Ending = CancelButton;
      break;
    case EventKind::SizeEvent:
      reaction.Relayout = true;
      state.TimeoutStopped = true;
      break;
    case EventKind::TimerEvent:
      break;
  }
  // The first change of the field's text stops the time-out for good; an
  // event of the field never ends the dialog.
  if (reaction.Ending == InputField && event->Detail == ChangeNotification) {
    state.TimeoutStopped = true;
  } else if (event->Kind == EventKind::TimerEvent && event->Id == TimeoutTimer &&
             !state.TimeoutStopped) {
    reaction.Ending = OkButton;
  }
  return reaction;
}

bool EndsDialog(const Reaction& reaction) {
  return reaction.Ending == OkButton || reaction.Ending == CancelButton;
}

DialogOutcome OutcomeOf(const Reaction& reaction) {
  return reaction.Ending == OkButton ? DialogOutcome::Accepted : DialogOutcome::Cancelled;
}

CommandMeaning ClassifyCommand(uint64_t wParam, bool fromControl, int64_t controlId) {
  CommandMeaning meaning;
  uint64_t command = wParam & 0xFFFF;
  uint64_t notification = (wParam >> 16) & 0xFFFF;
  if (fromControl) {
    meaning.Event = {EventKind::ControlEvent, controlId, static_cast<int64_t>(notification), 0};
  } else if (notification == 0) {
    // A menu command; the dialog has no menu.
    meaning.Event = {EventKind::CommandEvent, static_cast<int64_t>(wParam), 0, 0};
  } else if (static_cast<int64_t>(command) == FocusNextCommand) {
    meaning.Action = CommandAction::FocusForward;
  } else if (static_cast<int64_t>(command) == FocusPreviousCommand) {
    meaning.Action = CommandAction::FocusBackward;
  } else {
    meaning.Event = {EventKind::CommandEvent, static_cast<int64_t>(command), 0, 0};
  }
  return meaning;
}

}  // namespace tovask
