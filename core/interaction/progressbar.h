#pragma once
/// The progress bar of the design-condition window, as the flood routing drives it.

class ProgressBar {
 public:
  virtual ~ProgressBar() = default;
  /// Sets the range to 0 … maximum with the given step and the position to 0.
  virtual void SetRange(int maximum, int step) = 0;
  /// Advances the position by one step.
  virtual void StepIt() = 0;
  /// Sets the position (0 empties the bar).
  virtual void SetPosition(int position) = 0;
};

/// A progress bar that shows nothing, for callers without a window.
class NoProgressBar : public ProgressBar {
 public:
  void SetRange(int, int) override {}
  void StepIt() override {}
  void SetPosition(int) override {}
};
