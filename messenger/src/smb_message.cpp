#include "messenger/smb_message.hpp"

#include <cstdio>

namespace messenger::smb {

namespace {

constexpr std::size_t kSmbHeaderSize = 32;
constexpr unsigned char kBufferFormatString = 0x04;  // a null-terminated string follows
constexpr unsigned char kBufferFormatBlock = 0x01;   // a 16-bit length and that many bytes follow

void appendLe16(std::string& out, std::size_t value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>((value >> 8) & 0xFF);
}

unsigned byteAt(std::string_view bytes, std::size_t at) { return static_cast<unsigned char>(bytes[at]); }

// The session message around an SMB: header (all 0 but the command), the
// parameter words and the data.
std::string request(Command command, std::string_view words, std::string_view data) {
    std::string smb = "\xFFSMB";
    smb += static_cast<char>(command);
    smb.append(kSmbHeaderSize - smb.size(), '\0');
    smb += static_cast<char>(words.size() / 2);
    smb += words;
    appendLe16(smb, data.size());
    smb += data;

    std::string packet;
    packet += static_cast<char>(SessionPacket::Message);
    packet += static_cast<char>((smb.size() >> 16) & 0x01);
    packet += static_cast<char>((smb.size() >> 8) & 0xFF);
    packet += static_cast<char>(smb.size() & 0xFF);
    return packet + smb;
}

std::string groupWord(std::uint16_t group) {
    std::string words;
    appendLe16(words, group);
    return words;
}

}  // namespace

std::string withCrLf(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            out += "\r\n";
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else if (text[i] == '\n') {
            out += "\r\n";
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string encodedName(std::string_view name, unsigned char suffix) {
    std::string padded(name.substr(0, kLongestName));
    padded.resize(kLongestName, ' ');
    padded += static_cast<char>(suffix);

    std::string out(1, static_cast<char>(2 * padded.size()));
    for (const char c : padded) {
        const unsigned byte = static_cast<unsigned char>(c);
        out += static_cast<char>('A' + (byte >> 4));
        out += static_cast<char>('A' + (byte & 0x0F));
    }
    out += '\0';
    return out;
}

SessionHeader parseSessionHeader(std::string_view header) {
    SessionHeader parsed;
    if (header.size() < kSessionHeaderSize) return parsed;
    parsed.type = static_cast<unsigned char>(header[0]);
    parsed.length = ((byteAt(header, 1) & 0x01u) << 16) | (byteAt(header, 2) << 8) | byteAt(header, 3);
    return parsed;
}

std::string sessionRequest(std::string_view called, unsigned char calledSuffix, std::string_view calling) {
    const std::string names = encodedName(called, calledSuffix) + encodedName(calling, kWorkstationSuffix);
    std::string packet;
    packet += static_cast<char>(SessionPacket::Request);
    packet += '\0';
    packet += static_cast<char>((names.size() >> 8) & 0xFF);
    packet += static_cast<char>(names.size() & 0xFF);
    return packet + names;
}

std::string startRequest(std::string_view from, std::string_view to) {
    std::string data;
    data += static_cast<char>(kBufferFormatString);
    data.append(from);
    data += '\0';
    data += static_cast<char>(kBufferFormatString);
    data.append(to);
    data += '\0';
    return request(kSendStart, {}, data);
}

std::string textRequest(std::uint16_t group, std::string_view block) {
    std::string data;
    data += static_cast<char>(kBufferFormatBlock);
    appendLe16(data, block.size());
    data.append(block);
    return request(kSendText, groupWord(group), data);
}

std::string endRequest(std::uint16_t group) { return request(kSendEnd, groupWord(group), {}); }

std::vector<std::string_view> textBlocks(std::string_view text) {
    std::vector<std::string_view> blocks;
    do {
        blocks.push_back(text.substr(0, kTextPerBlock));
        text.remove_prefix(blocks.back().size());
    } while (!text.empty());
    return blocks;
}

Reply parseReply(std::string_view smb) {
    Reply reply;
    if (smb.size() < kSmbHeaderSize + 3 || smb.substr(0, 4) != "\xFFSMB") return reply;
    const std::size_t words = byteAt(smb, kSmbHeaderSize);
    if (smb.size() < kSmbHeaderSize + 1 + 2 * words + 2) return reply;
    reply.wellFormed = true;
    reply.command = static_cast<unsigned char>(smb[4]);
    reply.status = byteAt(smb, 5) | (byteAt(smb, 6) << 8) | (byteAt(smb, 7) << 16) |
                   (static_cast<std::uint32_t>(byteAt(smb, 8)) << 24);
    if (words >= 1)
        reply.group =
            static_cast<std::uint16_t>(byteAt(smb, kSmbHeaderSize + 1) | (byteAt(smb, kSmbHeaderSize + 2) << 8));
    return reply;
}

std::string statusReason(std::uint32_t status) {
    switch (status) {
        // A server that does not know the commands: it has no Messenger
        // service (STATUS_SMB_BAD_COMMAND, that is ERRSRV/ERRbadcmd;
        // STATUS_NOT_IMPLEMENTED; STATUS_NOT_SUPPORTED).
        case 0x00160002u:
        case 0xC0000002u:
        case 0xC00000BBu: return "no messenger service answered";
        default: break;
    }
    char number[16];
    std::snprintf(number, sizeof number, "0x%08X", static_cast<unsigned>(status));
    return std::string("the messenger service did not take the message (status ") + number + ")";
}

}  // namespace messenger::smb
