#pragma once
// The bytes of the messenger protocol: a message handed to a computer's
// Messenger service over the NetBIOS session service (TCP 139) as three SMB
// requests, 0xD5 (a multi-block message starts: sender and recipient), 0xD7
// (a block of its text, as often as needed) and 0xD6 (it ends). Pure
// functions over bytes; MessengerProtocolTransport sends them. Names and text
// are already in the OEM code page here.
//
// The limits are the protocol's ([MS-MSRP]: Messenger Service Remote
// Protocol, which describes the SMB messages a message server takes):
// a name is at most 15 bytes (2.2.3.2.1, OriginatorName and DestinationName;
// RFC 1001 section 14 gives a NetBIOS name 16 bytes, the last its suffix),
// the text at most 652 bytes (3.2.4.4), a block of text at most 128 bytes
// (2.2.3.3.1). The description ends each block with a null; smbd keeps such
// nulls in the text it delivers, so a block goes without one, and holds 127
// bytes so that it stays within the 128 either way.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace messenger::smb {

constexpr std::size_t kLongestName = 15;
constexpr std::size_t kLongestText = 652;
constexpr std::size_t kTextPerBlock = 127;

// The suffixes of the names a session is asked for: the Messenger service
// listens on the computer's name with 0x03; the caller is a workstation
// (0x00); "*SMBSERVER" with 0x20 is whatever server answers on the address.
constexpr unsigned char kMessengerSuffix = 0x03;
constexpr unsigned char kWorkstationSuffix = 0x00;
constexpr unsigned char kServerSuffix = 0x20;
constexpr std::string_view kAnyServer = "*SMBSERVER";

// The text with every line break as CR LF: a lone LF or a lone CR becomes
// CR LF; CR LF stays.
std::string withCrLf(std::string_view text);

// A name in RFC 1001's first-level encoding (section 14.1): the name padded
// with blanks to 15 bytes and its suffix, each half-byte a letter from 'A',
// after the length (32) and before the empty scope (0): 34 bytes.
std::string encodedName(std::string_view name, unsigned char suffix);

// NetBIOS session service packets (RFC 1002, section 4.3): a type, a flags
// byte whose lowest bit extends the length, and a 16-bit big-endian length.
enum class SessionPacket : unsigned char {
    Message = 0x00,
    Request = 0x81,
    Positive = 0x82,
    Negative = 0x83,
    Retarget = 0x84,
    KeepAlive = 0x85
};
constexpr std::size_t kSessionHeaderSize = 4;
struct SessionHeader {
    unsigned char type = 0;
    std::size_t length = 0;  // the bytes that follow the header
};
SessionHeader parseSessionHeader(std::string_view header);

// The request for a session with `called` (its suffix given) from `calling`
// (a workstation).
std::string sessionRequest(std::string_view called, unsigned char calledSuffix, std::string_view calling);

// The SMB commands of a multi-block message.
enum Command : unsigned char { kSendStart = 0xD5, kSendEnd = 0xD6, kSendText = 0xD7 };

// Each request in a session message, ready to send. Every header field but
// the command is 0 ([MS-MSRP] 2.2.3.2.1): no negotiate, session or tree.
std::string startRequest(std::string_view from, std::string_view to);
// A block of text goes as it is: its length, then its bytes.
std::string textRequest(std::uint16_t group, std::string_view block);
std::string endRequest(std::uint16_t group);

// The text in blocks of kTextPerBlock bytes (the last may be shorter); an
// empty text is one empty block, so that the message still arrives.
std::vector<std::string_view> textBlocks(std::string_view text);

// What a reply (the SMB after its session header) says.
struct Reply {
    bool wellFormed = false;  // an SMB, at least its header, word count and byte count
    unsigned char command = 0;
    std::uint32_t status = 0;  // 0: done (an NT status, or a DOS class and code: the same bytes)
    std::uint16_t group = 0;   // the group 0xD5 gave the message; 0 when the reply has no word
};
Reply parseReply(std::string_view smb);

// Why a request with this status (not 0) did not deliver, in words that
// complete "<computer> could not be reached: ...".
std::string statusReason(std::uint32_t status);

}  // namespace messenger::smb
