// The upgrader's numbered texts. Every text exists twice: French on an odd
// number, English on the following even number. Callers name a text by its
// English (even) number and the run's language picks the version.
#pragma once

#include <string>

namespace rivo {

enum class Language { French, English };

// Text numbers, by their English (even) number.
enum TextId : int {
    kNoFirmwareFile = 4,
    kCannotOpenFile = 6,
    kFileWrong = 8,
    kCannotUpgrade = 10,
    kCannotClose = 12,
    kNoAnswer = 16,
    kTransmittingFile = 38,
    kInProgress = 40,
    kUpgradeDone = 42,
    kLineRefused = 44,
    kCannotSendLine = 46,
    kCannotIdentify = 48,
    kCommandRefused = 50,
    kCannotSendCommand = 52,
    kCannotSetMode = 54,
    kAnalysingFile = 56,
    kAbortAnalysis = 58,
    kListWrong = 60,
    kFactoryOnly = 62,
    kFilesToSend = 64,
    kContactResaler = 66,
    kCheckCable = 68,
    kAbortTransmission = 70,
    kLineSent = 72,
    kAnswerReceived = 74,
    kCompareReferences = 76,
    kInstrumentMonitor = 78,
    kCompatibilityList = 80,
    kNoCompatibilityList = 82,
    kMainTitle = 84,
};

// The text of one number as it stands (odd: French, even: English, UTF-8);
// empty for a number the upgrader does not have.
const char *textByNumber(int number);

// The text of `id` in `language`.
std::string text(Language language, TextId id);

// Replaces every "%1" by `first` and every "%2" by `second`.
std::string insert(std::string text, const std::string &first, const std::string &second = {});

}  // namespace rivo
