#include "cable.h"

#include "archive_reader.h"
#include "archive_writer.h"

namespace quillet::model {
namespace {

std::uint8_t bit(std::uint8_t byte, int n) { return static_cast<std::uint8_t>((byte >> n) & 1); }

}  // namespace

OpticalTable CCable::opticalTable() const {
    if (!fibreFlag2) return OpticalTable::MonoMode;
    return fibreFlag1 ? OpticalTable::MultiMode50 : OpticalTable::MultiMode62;
}

void CCable::setFlagsFromByte(std::uint8_t flags) {
    fibreFlag1 = bit(flags, 3);
    fibreFlag2 = bit(flags, 4);
    flag3 = bit(flags, 5);
    standardWithoutCable = bit(flags, 6);
    extraRow = bit(flags, 7);
}

void CCable::store(ArchiveWriter &ar) const {
    ar.writeString(name);
    ar.writeByte(fibreFlag1);
    ar.writeByte(fibreFlag2);
    ar.writeByte(flag3);
    ar.writeByte(standardWithoutCable);
    ar.writeByte(extraRow);
    ar.writeByte(nominalImpedance);
    ar.writeWord(value1);
    ar.writeWord(value2);
}

void CCable::load(ArchiveReader &ar) {
    const bool hasFibre1 = ar.passes(Gate::CableFibreFlag1);
    const bool hasFibre2 = ar.passes(Gate::CableFibreFlag2);
    ArchiveReader::Scope scope(ar, "CCable");
    name = ar.readString();
    if (hasFibre1) fibreFlag1 = ar.readByte();
    if (hasFibre2) fibreFlag2 = ar.readByte();
    flag3 = ar.readByte();
    standardWithoutCable = ar.readByte();
    extraRow = ar.readByte();
    nominalImpedance = ar.readByte();
    value1 = ar.readWord();
    value2 = ar.readWord();
}

}  // namespace quillet::model
