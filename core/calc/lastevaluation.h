#pragma once
/// The result of the last evaluation of a function of one level, storage or time, kept by the
/// argument's bits. While a pond rests between storms every step of a routing or a pump run
/// repeats the arguments of the step before; the functions kept this way give the same result
/// for the same argument, so the kept result is the one a new evaluation would give.

#include <bit>
#include <cstdint>

template <typename Result>
class LastEvaluation {
 public:
  /// f(x), computed unless x has the bits of the last argument whose result was kept; a result
  /// is kept only where `keep(result)` is true (a lookup that showed a message must show it
  /// again).
  template <typename Function, typename Keep>
  Result operator()(double x, Function&& f, Keep&& keep) {
    const auto key = std::bit_cast<std::uint64_t>(x);
    if (m_known && key == m_key) return m_result;
    Result result = f(x);
    m_known = keep(result);
    m_key = key;
    m_result = result;
    return result;
  }

  /// f(x), every result kept.
  template <typename Function>
  Result operator()(double x, Function&& f) {
    return (*this)(x, f, [](const Result&) { return true; });
  }

 private:
  bool m_known = false;
  std::uint64_t m_key = 0;
  Result m_result{};
};
