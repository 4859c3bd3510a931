#pragma once
/// The exponent parser: a number typed as a fraction ("3/4") or as a decimal ("0.89").

#include <string_view>

/// With a "/", the part before the first "/" divided by the rest, both read strictly; an empty
/// denominator gives 0. Without "/", the whole text read strictly. A malformed part, or a
/// quotient that is not finite ("3/0"), raises ConversionError naming that text.
double ParseFraction(std::string_view text);
