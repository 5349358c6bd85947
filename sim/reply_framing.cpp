#include "reply_framing.h"

#include "block_crc.h"

namespace torvik::sim {

namespace {

std::string frameLine(const std::string &text, std::size_t padTo)
{
    std::string wire = text;
    if (wire.size() < padTo)
        wire.append(padTo - wire.size(), 'X');
    wire += '\n';
    return wire;
}

std::string frameTextBlock(const std::string &lines, char lead)
{
    std::string wire;
    wire += lead;
    wire += '0';
    wire += lines;
    wire += "\n\n";
    return wire;
}

std::string frameBinary(const std::string &data, const FramingDamage &damage)
{
    const std::string length = std::to_string(data.size() + 2);
    uint16_t crc = crc16(data);
    if (damage.spoilCrc)
        crc = static_cast<uint16_t>(crc ^ 0x00FFU);

    std::string wire;
    wire += damage.blockLead;
    wire += std::to_string(length.size());
    wire += length;
    wire += data;
    wire += static_cast<char>(crc >> 8);
    wire += static_cast<char>(crc & 0xFFU);
    wire += '\n';
    return wire;
}

}  // namespace

std::string frameReply(const Reply &reply, const FramingDamage &damage)
{
    switch (reply.kind) {
    case Reply::Kind::None:
        return {};
    case Reply::Kind::Line:
        return frameLine(reply.bytes, damage.padLineTo);
    case Reply::Kind::TextBlock:
        return frameTextBlock(reply.bytes, damage.blockLead);
    case Reply::Kind::Binary:
        return frameBinary(reply.bytes, damage);
    case Reply::Kind::Raw:
        return reply.bytes;
    }
    return {};
}

}  // namespace torvik::sim
