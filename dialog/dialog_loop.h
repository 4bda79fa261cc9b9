// The dialog loop's decisions: what each event means for the outcome and for
// the time-out, independent of the window system.
#pragma once

#include <cstdint>
#include <deque>

namespace tovask {

enum class DialogOutcome { Accepted, Cancelled };

enum class EventKind { CommandEvent, ControlEvent, CloseEvent, SizeEvent, TimerEvent };

struct DialogEvent {
  EventKind Kind = EventKind::CommandEvent;
  int64_t Id = 0;
  int64_t Detail = 0;
  int32_t Window = 0;  // the dialog window's number; there is only one
};

// Control numbers, which are also the control identifiers. OkButton's and
// CancelButton's identifiers double as the commands of Enter and Escape.
constexpr int64_t PromptText = 0;
constexpr int64_t InputField = 1;
constexpr int64_t OkButton = 2;
constexpr int64_t CancelButton = 3;
constexpr int64_t FocusNextCommand = 64001;
constexpr int64_t FocusPreviousCommand = 64002;
constexpr int64_t TimeoutTimer = 1237;
constexpr int64_t ChangeNotification = 0x0300;  // EN_CHANGE

struct EventQueue {
  std::deque<DialogEvent> Pending;
};

void PushEvent(EventQueue& queue, const DialogEvent& event);
bool PopEvent(EventQueue& queue, DialogEvent& event);
void DiscardWindowEvents(EventQueue& queue, int32_t window);

struct LoopState {
  bool TimeoutStopped = false;
};

struct Reaction {
  int64_t Ending = 0;     // 2 accepts, 3 cancels, anything else goes on
  bool Relayout = false;  // the window's size changed
};

// The reaction to one event; `event` is null when a Windows message was
// handled instead of an event taken.
Reaction ReactToEvent(const DialogEvent* event, LoopState& state);

bool EndsDialog(const Reaction& reaction);
DialogOutcome OutcomeOf(const Reaction& reaction);

// What a WM_COMMAND means: a focus move for Tab and Shift+Tab, otherwise an
// event. `fromControl` is true when lParam names a control, whose identifier
// is then `controlId`.
enum class CommandAction { FocusForward, FocusBackward, Event };
struct CommandMeaning {
  CommandAction Action = CommandAction::Event;
  DialogEvent Event;
};
CommandMeaning ClassifyCommand(uint64_t wParam, bool fromControl, int64_t controlId);

}  // namespace tovask
