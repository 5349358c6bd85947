#include "grph_mes.h"

#include "archive_reader.h"
#include "archive_writer.h"

namespace quillet::model {

void CGrphMes::store(ArchiveWriter &ar) const {
    ar.writeString(title);
    ar.writeString(text2);
    ar.writeLong(kind);
    ar.writeDword(timeStamp);
    ar.writeLong(verdictCode);
    ar.writeByte(pairCode);
    ar.writeLong(side);
    ar.writeLong(limitFlag);
    values.store(ar);
    frequencies.store(ar);
}

void CGrphMes::load(ArchiveReader &ar) {
    const bool hasPairCode = ar.passes(Gate::GrphMesPairCode);
    title = ar.readString();
    text2 = ar.readString();
    kind = ar.readLong();
    timeStamp = ar.readDword();
    verdictCode = ar.readLong();
    if (hasPairCode) pairCode = ar.readByte();
    side = ar.readLong();
    limitFlag = ar.readLong();
    values.load(ar);
    frequencies.load(ar);
}

}  // namespace quillet::model
