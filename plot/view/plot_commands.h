// Command ids of a plot window (menu 4 shows most; 45002, 45014, 45015 and
// 45018 to 45022 are reached only by their ids).
#pragma once

#include "command_ids.h"

namespace quillet::cmd {
inline constexpr int kPlotTitle = 45001;
inline constexpr int kPlotStatistics = 45002;
inline constexpr int kPlotClearFixedMarkers = 45006;
inline constexpr int kPlotZoom = 45007;
inline constexpr int kPlotSetScales = 45008;
inline constexpr int kPlotGlobalView = 45009;
inline constexpr int kPlotHideOthers = 45010;
inline constexpr int kPlotShowAll = 45011;
inline constexpr int kPlotHideCurve = 45012;
inline constexpr int kPlotShowCurve = 45013;
inline constexpr int kPlotAbscissaCurve = 45014;
inline constexpr int kPlotDocumentAbscissa = 45015;
inline constexpr int kPlotLinkPoints = 45016;
inline constexpr int kPlotGridLines = 45017;
inline constexpr int kPlotTemplateEdit = 45018;
inline constexpr int kPlotTemplatePlace = 45019;
inline constexpr int kPlotTemplateShow = 45020;
inline constexpr int kPlotTemplatePlaceAgain = 45021;
inline constexpr int kPlotTemplateReset = 45022;
inline constexpr int kPlotCurveColour = 45023;
}  // namespace quillet::cmd
