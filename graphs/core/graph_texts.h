// The numbered texts of the graph documents.
#pragma once

namespace quillet::graphs {

inline constexpr int kFileExists = 140;
inline constexpr int kReplaceData = 142;
inline constexpr int kAnotherFile = 143;
inline constexpr int kExportToFile = 152;
inline constexpr int kTextFilter = 153;
inline constexpr int kTextExtension = 154;
inline constexpr int kAddToEnd = 155;
inline constexpr int kUnableToCreateFile = 156;
inline constexpr int kSiteText = 158;
inline constexpr int kSearchingGraphs = 219;
inline constexpr int kNoGraphsAvailable = 220;
inline constexpr int kNoSelectedGraph = 221;
inline constexpr int kReadingGraphs = 222;
inline constexpr int kUnableToReadGraphs = 223;
inline constexpr int kSearchingLimits = 226;
inline constexpr int kUnableToReadLimits = 227;
inline constexpr int kNoLimitAvailable = 228;
inline constexpr int kNoSelectedLimit = 229;
inline constexpr int kReadingLimits = 230;
inline constexpr int kUnableToWriteMeasurements = 231;
inline constexpr int kFrequency = 232;
inline constexpr int kMeas = 237;
inline constexpr int kGraphText = 282;
inline constexpr int kUnableToReadFile = 274;
inline constexpr int kCantReadData = 275;

}  // namespace quillet::graphs
