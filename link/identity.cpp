// The tester's identity and small text items: identification, product
// code, user, the minimum desktop version, uncertainties and messages.
#include <cctype>
#include <cstring>
#include <string>

#include "fields.h"
#include "link_state.h"
#include "oem_ansi.h"
#include "queries.h"
#include "revision_gate.h"
#include "text_copy.h"
#include "torvlink.h"

namespace torvlink {
namespace {

void clear(char *text) {
    if (text) text[0] = '\0';
}

// A user field is blank when only spaces stand before its comma or the end.
bool firstFieldIsBlank(std::string_view line) {
    std::size_t i = 0;
    while (i < line.size() && line[i] == ' ') ++i;
    return i == line.size() || line[i] == ',' || line[i] == '\n' || line[i] == '\r';
}

int32_t splitIdentity(std::string_view line, char *maker, char *model, char *serial, char *revision) {
    if (line.starts_with(",,,")) {
        copyText(maker, 29, libraryText(25));
        copyText(model, 29, libraryText(27));
        copyText(serial, 20, "0");
        copyField(revision, 5, withoutLineEnd(line.substr(3)), 4);
        return TORVIK_OK;
    }
    FieldSplitter fields(line);
    auto makerField = fields.next(",");
    if (makerField) copyField(maker, 29, *makerField, 28);
    auto modelField = fields.next(",");
    if (modelField) copyField(model, 29, *modelField, 28);
    auto serialField = fields.next(",");
    if (serialField) copyField(serial, 20, *serialField, 19);
    auto revisionField = fields.next("\n");
    if (!makerField || !modelField || !serialField || !revisionField) return TORVIK_ERR_SHORT_ID;
    copyField(revision, 5, *revisionField, 4);
    oemToAnsi(maker, 29);
    oemToAnsi(model, 29);
    oemToAnsi(serial, 20);
    oemToAnsi(revision, 5);
    return TORVIK_OK;
}

// The six raw integers of UNCERTS? in the order sent; the last ends the line.
int32_t readUncertaintyFields(std::string_view line, int count, int32_t *raw) {
    FieldSplitter fields(line);
    for (int i = 0; i < count; ++i) {
        auto field = fields.next(i + 1 == count ? "\n" : ",");
        if (!field) return i;
        raw[i] = leadingInt(*field);
    }
    return count;
}

}  // namespace
}  // namespace torvlink

using namespace torvlink;

extern "C" {

int32_t TorvikGetId(char *maker, char *model, char *serial, char *revision) {
    clear(maker), clear(model), clear(serial), clear(revision);
    char line[80];
    if (int32_t code = runLineQuery("*IDN?", line, sizeof line); code != TORVIK_OK) return code;
    return splitIdentity(line, maker, model, serial, revision);
}

int32_t TorvikGetPP(int32_t *productCode) {
    if (productCode) *productCode = 0;
    char line[80];
    if (int32_t code = runLineQuery("PP?", line, sizeof line); code != TORVIK_OK) return code;
    if (productCode) *productCode = leadingInt(line);
    return TORVIK_OK;
}

int32_t TorvikGetUserId(char *first, char *second) {
    clear(first), clear(second);
    char line[80];
    if (int32_t code = runLineQuery("USER_ID?", line, sizeof line); code != TORVIK_OK) return code;
    if (firstFieldIsBlank(line)) return TORVIK_OK;
    FieldSplitter fields(line);
    auto user = fields.next(",\n");
    if (user) copyField(first, 17, *user, 16);
    auto company = fields.next("\n");
    if (!company) return TORVIK_OK;  // a lone first field stays as received
    copyField(second, 17, *company, 16);
    oemToAnsi(first, 17);
    oemToAnsi(second, 17);
    return TORVIK_OK;
}

int32_t TorvikGetQuilletMinVer(char *minimum, char *minimumZ) {
    clear(minimum), clear(minimumZ);
    char line[80];
    if (int32_t code = discardPendingInput(); code != TORVIK_OK) return code;
    if (int32_t code = TorvikOutput("QUILLET_MINVER?"); code != TORVIK_OK) return code;
    if (TorvikInput(line, sizeof line, 1) != TORVIK_OK) {
        // Firmware that predates the query stays silent and flags it.
        const bool late = isRevisionInRange(gate::kHundredthsAndBytesAsSent);
        copyText(minimum, 5, late ? "A.08" : "A.00");
        copyText(minimumZ, 5, late ? "Z.21" : "Z.00");
        TorvikOutput("CL_ERR");
        return TORVIK_OK;
    }
    if (int32_t code = TorvikCheckError(1); code != TORVIK_OK) return code;
    FieldSplitter fields(line);
    auto ordinary = fields.next(",\n");
    if (!ordinary) return TORVIK_OK;
    copyField(minimum, 5, *ordinary, 4);
    oemToAnsi(minimum, 5);
    if (auto zSeries = fields.next("\n")) {
        copyField(minimumZ, 5, *zSeries, 4);
        oemToAnsi(minimumZ, 5);
    }
    return TORVIK_OK;
}

int32_t DoesTorvikSupportAutoGraph(void) { return isRevisionInRange(gate::kAutoGraphs) ? 1 : 0; }

int32_t TorvikGetUncertainties(float *u1, float *u2, float *u3, float *u4, float *u5, float *u6) {
    float *out[6] = {u1, u2, u3, u4, u5, u6};
    const float defaults[6] = {4.0f, 25.0f, 10.0f, 0.2f, 5.0f, 0.2f};
    for (int i = 0; i < 6; ++i) {
        if (out[i]) *out[i] = defaults[i];
    }
    if (!isRevisionInRange(gate::kUncertaintiesAsked)) return TORVIK_OK;

    char line[100];
    if (int32_t code = runLineQuery("UNCERTS?", line, sizeof line); code != TORVIK_OK) return code;
    const int count = isRevisionInRange(gate::kSixValueUncertainties) ? 6 : 4;
    int32_t raw[6] = {};
    const int read = readUncertaintyFields(line, count, raw);
    const float sixthDivisor = isRevisionInRange(gate::kHundredthsAndBytesAsSent) ? 100.0f : 10.0f;
    const float values[6] = {static_cast<float>(raw[0]) * 0.1f, static_cast<float>(raw[1]),
                             static_cast<float>(raw[2]),        static_cast<float>(raw[3]) * 0.1f,
                             static_cast<float>(raw[4]),        static_cast<float>(raw[5]) / sixthDivisor};
    for (int i = 0; i < read; ++i) {
        if (out[i]) *out[i] = values[i];
    }
    return read == count ? TORVIK_OK : TORVIK_ERR_QUERY;
}

int32_t TorvikGetMsg(char *text, int32_t number) {
    clear(text);
    char line[82];
    if (int32_t code = runLineQuery(formatCommand("MSG?", number), line, sizeof line); code != TORVIK_OK)
        return code;
    copyField(text, 81, withoutLineEnd(line), 80);
    oemToAnsi(text, 81);
    return TORVIK_OK;
}

}  // extern "C"
