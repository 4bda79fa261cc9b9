#include "dialog/dialog_loop.h"

#include <gtest/gtest.h>

#include <vector>

namespace tovask {
namespace {

struct Outcome {
  bool Ended = false;
  DialogOutcome Result = DialogOutcome::Cancelled;
  int Relayouts = 0;
};

// Feeds the events to the loop's decisions until one ends the dialog.
Outcome RunLoop(const std::vector<DialogEvent>& events) {
  LoopState state;
  Outcome outcome;
  for (const DialogEvent& event : events) {
    Reaction reaction = ReactToEvent(&event, state);
    if (reaction.Relayout) ++outcome.Relayouts;
    if (EndsDialog(reaction)) {
      outcome.Ended = true;
      outcome.Result = OutcomeOf(reaction);
      break;
    }
  }
  return outcome;
}

const DialogEvent Timer{EventKind::TimerEvent, TimeoutTimer, 0, 0};
const DialogEvent OtherTimer{EventKind::TimerEvent, 99, 0, 0};
const DialogEvent Change{EventKind::ControlEvent, InputField, ChangeNotification, 0};
const DialogEvent FieldFocus{EventKind::ControlEvent, InputField, 0x0100, 0};
const DialogEvent Size{EventKind::SizeEvent, 0, 0, 0};

TEST(DialogLoop, EventsEndTheDialog) {
  struct Case { const char* label; std::vector<DialogEvent> events; bool ended; DialogOutcome result; };
  const DialogOutcome accepted = DialogOutcome::Accepted, cancelled = DialogOutcome::Cancelled;
  const Case cases[] = {
      {"OK button", {{EventKind::ControlEvent, OkButton, 0, 0}}, true, accepted},
      {"Cancel button", {{EventKind::ControlEvent, CancelButton, 0, 0}}, true, cancelled},
      {"Enter", {{EventKind::CommandEvent, OkButton, 0, 0}}, true, accepted},
      {"Escape", {{EventKind::CommandEvent, CancelButton, 0, 0}}, true, cancelled},
      {"close box", {{EventKind::CloseEvent, 0, 0, 0}}, true, cancelled},
      {"time-out", {Timer}, true, accepted},
      {"time-out after focus events", {FieldFocus, FieldFocus, Timer}, true, accepted},
      {"another timer", {OtherTimer}, false, cancelled},
      {"edit stops the time-out", {Change, Timer, Timer, Timer}, false, cancelled},
      {"size change stops the time-out", {Size, Timer}, false, cancelled},
      {"buttons still work after the time-out stopped", {Change, Timer, {EventKind::CommandEvent, OkButton, 0, 0}},
       true, accepted},
      {"field events never end it", {Change, FieldFocus}, false, cancelled},
      {"unknown command goes on", {{EventKind::CommandEvent, 40000, 0, 0}}, false, cancelled},
  };
  for (const Case& c : cases) {
    Outcome outcome = RunLoop(c.events);
    EXPECT_EQ(outcome.Ended, c.ended) << c.label;
    if (c.ended) {
      EXPECT_EQ(outcome.Result, c.result) << c.label;
    }
  }
}

TEST(DialogLoop, SizeEventsRelayout) {
  EXPECT_EQ(RunLoop({Size, Size, Change}).Relayouts, 2);
  LoopState state;
  EXPECT_FALSE(EndsDialog(ReactToEvent(nullptr, state)));
  EXPECT_FALSE(state.TimeoutStopped);
}

TEST(DialogLoop, CommandsAreClassified) {
  struct Case { const char* label; uint64_t wParam; bool fromControl; int64_t controlId; CommandAction action; DialogEvent event; };
  const Case cases[] = {
      {"Tab", (1u << 16) | 64001, false, 0, CommandAction::FocusForward, {}},
      {"Shift+Tab", (1u << 16) | 64002, false, 0, CommandAction::FocusBackward, {}},
      {"Enter", (1u << 16) | 2, false, 0, CommandAction::Event, {EventKind::CommandEvent, 2, 0, 0}},
      {"Escape", (1u << 16) | 3, false, 0, CommandAction::Event, {EventKind::CommandEvent, 3, 0, 0}},
      {"menu command", 64001, false, 0, CommandAction::Event, {EventKind::CommandEvent, 64001, 0, 0}},
      {"field change", (0x0300u << 16) | 1, true, 1, CommandAction::Event, {EventKind::ControlEvent, 1, 0x0300, 0}},
      {"button click uses the control's id", 7, true, 3, CommandAction::Event, {EventKind::ControlEvent, 3, 0, 0}},
  };
  for (const Case& c : cases) {
    CommandMeaning meaning = ClassifyCommand(c.wParam, c.fromControl, c.controlId);
    EXPECT_EQ(meaning.Action, c.action) << c.label;
    if (c.action != CommandAction::Event) continue;
    EXPECT_EQ(meaning.Event.Kind, c.event.Kind) << c.label;
    EXPECT_EQ(meaning.Event.Id, c.event.Id) << c.label;
    EXPECT_EQ(meaning.Event.Detail, c.event.Detail) << c.label;
  }
}

TEST(EventQueue, FirstInFirstOutAndDiscardedPerWindow) {
  EventQueue queue;
  PushEvent(queue, {EventKind::SizeEvent, 0, 0, 0});
  PushEvent(queue, {EventKind::TimerEvent, TimeoutTimer, 0, 0});
  DialogEvent event;
  ASSERT_TRUE(PopEvent(queue, event));
  EXPECT_EQ(event.Kind, EventKind::SizeEvent);
  PushEvent(queue, {EventKind::CloseEvent, 0, 0, 1});
  DiscardWindowEvents(queue, 0);
  ASSERT_TRUE(PopEvent(queue, event));
  EXPECT_EQ(event.Window, 1);
  EXPECT_FALSE(PopEvent(queue, event));
}

}  // namespace
}  // namespace tovask
