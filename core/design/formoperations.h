#pragma once
/// The small tools of the design-condition window, as operations on the form. Each takes the
/// user interaction for its messages and questions; where the window shows a file dialog, the
/// chosen path is passed in (an empty path is a cancelled dialog).

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "core/design/designform.h"
#include "core/interaction/userinteraction.h"

/// Picking an item of the "計算ﾋﾟｯﾁ(分)=" list: the pitch becomes the item and a warning box
/// explains which pitches divide the time of concentration (reading normalises the pitch later).
void PickPitchFromList(DesignForm& form, std::string_view item, UserInteraction& ui);

/// Picking an item of the "到達時間（分） =" list: as typing it, the pitch follows.
void PickConcentrationFromList(DesignForm& form, std::string_view item);

/// What the input box of a value label shows: its caption (the label's hint), its text (the
/// label's text) and its offset from the label's position on screen.
struct InputBoxRequest {
  std::string caption;
  std::string text;
  int offsetLeft = 0;
  int offsetTop = 0;
};
InputBoxRequest InputBoxFor(const DesignForm& form, ValueLabel label);

/// "入力" in the input box: the label takes the typed text as it stands (reading checks it).
void AcceptInputBox(DesignForm& form, ValueLabel label, std::string_view text);

/// The orifice size from the allowable release (button "許容放流量から逆算"): a square or
/// circular opening that passes Qc under the head HT − HL, cut down to whole centimetres, into
/// DL and BL. A malformed input shows the conversion message; a head, coefficient or release
/// that gives no real size shows "Invalid floating point operation"; DL and BL are then kept.
void BackCalculateOrifice(DesignForm& form, UserInteraction& ui);

/// Button "標高": HL and HT take the first and the last elevation of the pond table's unbroken
/// run of rows; with no rows, the message "ＨＶ曲線データが有りません。".
void TransferElevations(DesignForm& form, UserInteraction& ui);

/// Button "消去": after the confirmation "データを消去しますか。", every data row of the pond
/// table holds single blanks; the header rows stay.
void ClearPondTable(DesignForm& form, UserInteraction& ui);

/// Button "CSV読込": after the confirmation and with the chosen file, fills the observed
/// intensities (counter, time, intensity) from the file's lines up to the first empty line, at
/// most 144 rows, and takes the time of concentration and the rain duration from the first and
/// the last time. A file that cannot be read shows its message and changes nothing.
void ImportObservedCsv(DesignForm& form, UserInteraction& ui, const std::filesystem::path& path);
/// The same with the file chosen only after the confirmation was answered Yes, as the window
/// shows its file dialog between the two.
void ImportObservedCsv(DesignForm& form, UserInteraction& ui,
                       const std::function<std::filesystem::path()>& chooseFile);
