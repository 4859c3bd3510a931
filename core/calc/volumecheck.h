#pragma once
/// The water balance of a routing run: the volume of the inflow hydrograph as designed against
/// what the routing took in, released and stored, so that a reader can see how much water the
/// numerical scheme gained or lost.

#include "core/calc/routeflood.h"
#include "core/calc/runpumpcalculation.h"
#include "core/calc/trenzoku.h"
#include "core/interaction/userinteraction.h"

/// Volumes in m³.
struct VolumeCheck {
  /// Each rain block's runoff held over its block: Σ Q_n·Tc.
  double blockVolume = 0;
  /// The hydrograph as the routing reads it, from 0 to the end of the hyetograph: a rise from 0
  /// to the first block's runoff, straight lines between block ends.
  double hydrographVolume = 0;
  /// The step that starts at the end of the hyetograph falls from the last runoff to 0 over its
  /// length `recessionStep` (min): a triangle of water that arrives after the hyetograph's end.
  double recessionVolume = 0;
  double recessionStep = 0;
  /// What the routing's steps took in and released, and the storage at its start level and at
  /// its last level.
  double intake = 0;
  double release = 0;
  double startStorage = 0;
  double endStorage = 0;

  /// The designed hydrograph: the hydrograph to its end and the recession after it.
  double Designed() const { return hydrographVolume + recessionVolume; }
  double Stored() const { return endStorage - startStorage; }
  /// Positive when the routing took in more than the designed hydrograph holds.
  double IntakeDifference() const { return intake - Designed(); }
  /// Positive when the routing kept water that it neither took in nor released.
  double BalanceDifference() const { return Stored() - (intake - release); }
};

/// The designed volumes of the hyetograph of `calc` (`Rain.Hyetograph`, `Time.Concentration`,
/// `Time.HyetographLength`) with a recession over `recessionStep` minutes; the routing fields
/// stay 0.
VolumeCheck DesignedVolumes(const TRain& calc, double recessionStep);

/// The check of a completed flood routing of `calc`.
VolumeCheck CheckFloodRouting(const TRenzoku& calc, const FloodRouting& routing,
                              UserInteraction& ui);

/// The check of a completed water-level tracking of `calc`; its release counts the pump's full
/// capacity in every step, as the tracking does.
VolumeCheck CheckPumpTracking(const TRenzoku& calc, const PumpTracking& tracking,
                              UserInteraction& ui);
