#pragma once
/// Reading the design conditions of one run from the design-condition form into the record.
///
/// Each field has one fixed way of reading (named, strict or lenient). A malformed named item
/// is reported by name and reading goes on, so one run can show several such messages; a
/// malformed strict item raises ConversionError at once and nothing after it is read. The
/// reader writes two things back into the form: the normalised pitch and a raised start level.

#include <cstdint>
#include <string_view>

#include "core/calc/trenzoku.h"
#include "core/design/designform.h"
#include "core/interaction/userinteraction.h"

/// How far the pond reader got in one reading; it decides what the result window's stage
/// table shows afterwards.
enum class PondReaderState {
  NotRun,     // an item error came first: the stage table is untouched
  Stopped,    // the reader refused the table: the stage table's data rows are emptied
  Completed,  // the table is in the record: the stage table shows its rows
};

struct ReadResult {
  int errorFlag = 0;  // 1 when an item was malformed or the pond table was refused, else 0
  PondReaderState pondReader = PondReaderState::NotRun;
};

/// Shows "<item>が不正です。\r\r訂正して下さい。" and sets the flag to 1. Reading goes on.
void ReportItemError(std::string_view item, int& errorFlag, UserInteraction& ui);

/// The calculation kind that the form's outlet page and "計算種別" choice select: 0 on the
/// natural-drainage page; on the pump page 1 for "水位追跡", 2 for "ポンプ検討" and 0 when
/// nothing is chosen.
std::uint32_t CalcKindOf(const DesignForm& form);

/// Fills the record from the form in the reading order, then (when no item error came before)
/// reads the pond table. Out-of-range values are item errors: a time of concentration of 0 or
/// less ("到達時間"), a typed pitch of 0 or less ("計算ﾋﾟｯﾁ"), a rain duration of 0 or less or of
/// more than kMaxTableRows blocks ("降雨継続時間"), a calculation time of 0 or less, of more
/// than kMaxTableRows blocks or of more than kMaxRunSteps steps ("計算時間", the steps checked
/// after the pitch rule), and a pump study of more than kMaxPumpSizes sizes ("ポンプ規模"). With
/// a valid time of concentration and pitch the pitch is normalised (a whole fraction of the time
/// of concentration, at least 0.5 min) and written back into the form as "0.00". Throws
/// ConversionError for a malformed strict field.
ReadResult ReadConditions(TRenzoku& calc, DesignForm& form, UserInteraction& ui);
