#include "site.h"

#include <utility>

#include "archive_reader.h"
#include "archive_writer.h"
#include "object_array.h"
#include "revision.h"

namespace quillet::model {
namespace {

// Offsets of an optical plug's two loss words in its measurement block.
constexpr std::size_t kOpticalLossOffsets[] = {1, 4};

}  // namespace

void CSite::swapPlugs(std::size_t a, std::size_t b) {
    if (a < plugs.size() && b < plugs.size()) std::swap(plugs[a], plugs[b]);
}

std::string CSite::testTimeText(TimeForm form, const Regional &regional) const {
    return model::testTimeText(testTime, form, regional);
}

std::string CSite::summaryEntry(const Regional &regional) const {
    return name + "(" + testTimeText(TimeForm::DateOnly, regional) + ")";
}

void CSite::store(ArchiveWriter &ar) const {
    ar.writeString(name);
    ar.writeWord(nvp);
    ar.writeWord(configWord1);
    ar.writeByte(configByte1);
    ar.writeDword(testTime);
    ar.writeString(patternText);
    ar.writeWord(configWord2);
    ar.writeWord(configWord3);
    ar.writeByte(configByte2);
    ar.writeByte(configByte3);
    standard.store(ar);
    convention.store(ar);
    cable.store(ar);
    ar.writeString(wiringText);
    ar.writeString(plugNameText);
    for (const std::string *text : {&testerMaker, &testerModel, &testerSerial, &testerRevision, &user, &company})
        ar.writeString(*text);
    ar.writeFloats(uncertainties);
    ar.writeString(comment);
    storeObjectArray(ar, plugs);
}

void CSite::load(ArchiveReader &ar) {
    if (!ar.passes(Gate::SiteRecord)) return;
    name = ar.readString();
    nvp = ar.readWord();
    configWord1 = ar.readWord();
    configByte1 = ar.readByte();
    testTime = ar.readDword();
    patternText = ar.readString();
    configWord2 = ar.readWord();
    configWord3 = ar.readWord();
    configByte2 = ar.readByte();
    configByte3 = ar.readByte();
    {
        ArchiveReader::Scope scope(ar, "standard");
        standard.load(ar);
    }
    {
        ArchiveReader::Scope scope(ar, "wiring convention");
        convention.load(ar);
    }
    {
        ArchiveReader::Scope scope(ar, "cable");
        cable.load(ar);
    }
    wiringText = ar.readString();
    if (ar.passes(Gate::SitePlugName)) plugNameText = ar.readString();
    for (std::string *text : {&testerMaker, &testerModel, &testerSerial, &testerRevision, &user, &company})
        *text = ar.readString();
    uncertainties = kDefaultUncertainties;
    if (ar.passes(Gate::SiteFirstUncertainties)) {
        ar.readFloats(std::span<float>(uncertainties.data(), 4));
        if (ar.passes(Gate::SiteLastUncertainties)) ar.readFloats(std::span<float>(uncertainties.data() + 4, 2));
    }
    comment = ar.readString();
    loadObjectArray(ar, plugs, "plugs");
    if (ar.ok() && !ar.passes(Gate::SiteOpticalHundredths) && standard.isOptical()) scaleOldOpticalLosses();
}

void CSite::scaleOldOpticalLosses() {
    for (CPrise &plug : plugs) {
        for (std::size_t offset : kOpticalLossOffsets) {
            auto *word = plug.block.data() + offset;
            const auto value = static_cast<std::uint16_t>(word[0] | (word[1] << 8));
            const auto scaled = static_cast<std::uint16_t>(value * 10);
            word[0] = static_cast<std::uint8_t>(scaled & 0xFF);
            word[1] = static_cast<std::uint8_t>(scaled >> 8);
        }
    }
}

}  // namespace quillet::model
