// Numbers of the plotting component's texts (resourceString()).
#pragma once

namespace quillet::plot::texts {
inline constexpr int kComment = 12100;
inline constexpr int kFixedMarkersMax = 12101;
inline constexpr int kScale = 12102;
inline constexpr int kLegend = 12103;
inline constexpr int kXAxis = 12104;
inline constexpr int kTime = 12105;
inline constexpr int kStatistics = 12106;
inline constexpr int kStatisticsColumns = 12107;
inline constexpr int kMarkers = 12108;
inline constexpr int kZoomHelp = 12109;
inline constexpr int kZoomHelpRightButton = 12110;
inline constexpr int kChannelsMax = 12120;
inline constexpr int kCommentLinesMax = 12121;
inline constexpr int kMinBelowMax = 12131;
inline constexpr int kMinField = 12132;
inline constexpr int kMaxField = 12133;
inline constexpr int kTemplatePointsMax = 12140;
inline constexpr int kTemplateFilter = 12141;
inline constexpr int kTemplateExtension = 12142;
inline constexpr int kTemplateSaveTitle = 12143;
inline constexpr int kTemplateLoadTitle = 12144;
inline constexpr int kClipboardOpenFailed = 12145;
inline constexpr int kClipboardEmptyFailed = 12146;
inline constexpr int kDateFormat = 12150;
inline constexpr int kTimeFormat = 12151;
inline constexpr int kDateBetween = 12152;
inline constexpr int kTextTooShort = 12153;
inline constexpr int kTextTooLong = 12154;
}  // namespace quillet::plot::texts
