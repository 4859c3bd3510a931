#include "core/calc/storageestimate.h"

#include <cmath>

#include "core/text/numberreading.h"
#include "core/text/parsefraction.h"

namespace {

constexpr char kDivisionByZero[] = "Floating point division by zero";
constexpr char kInvalidOperation[] = "Invalid floating point operation";
constexpr char kOverflow[] = "Floating point overflow";

// Arithmetic that stops at the first operation the floating-point unit would trap.
class CheckedArithmetic {
 public:
  double Divide(double numerator, double denominator) {
    if (denominator == 0) {
      Fail(kDivisionByZero);
      return 0;
    }
    return Check(numerator / denominator);
  }
  double Check(double value) {
    if (std::isnan(value)) Fail(kInvalidOperation);
    if (std::isinf(value)) Fail(kOverflow);
    return value;
  }
  double SquareRoot(double value) {
    if (value < 0) Fail(kInvalidOperation);
    return Check(std::sqrt(value));
  }
  double Power(double base, double exponent) { return Check(std::pow(base, exponent)); }

  const char* error = nullptr;  // the first failure

 private:
  void Fail(const char* message) {
    if (!error) error = message;
  }
};

}  // namespace

std::optional<StorageEstimate> EstimateStorage(const StorageEstimateInputs& inputs,
                                               UserInteraction& ui) {
  StorageEstimate e;
  e.a = ReadStrict(inputs.a);
  e.nText = inputs.n;
  e.n = ParseFraction(inputs.n);
  e.b = ReadStrict(inputs.b);
  e.Qc = ReadStrict(inputs.Qc);
  e.A = ReadStrict(inputs.A);
  e.f = ReadStrict(inputs.f);

  CheckedArithmetic m;
  e.rc = m.Divide(m.Divide(360 * e.Qc, e.f), e.A);
  e.k = m.Check(e.A * (e.f * 60) / 360);
  e.h = e.rc / 2;
  e.alpha = e.h;
  e.beta = m.Check(e.rc * e.b + (e.n - 1) * e.a);
  e.gamma = m.Check(e.b * (e.h * e.b - e.a));
  double root = m.SquareRoot(m.Check(e.beta * e.beta - 4 * e.alpha * e.gamma));
  e.x = m.Divide((root - e.beta) / 2, e.alpha);
  e.ti = m.Power(e.x, m.Divide(1, e.n));
  e.ri = m.Divide(e.a, m.Power(e.ti, e.n) + e.b);
  e.V = m.Check((e.ri - e.h) * e.ti * e.k);
  if (m.error) {
    ui.ShowMessage(m.error);
    return std::nullopt;
  }
  return e;
}
