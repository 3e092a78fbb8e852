// Writes zip archives byte by byte, so tests can make archives that no zip
// tool would: wrong checksums, lying sizes, missing members, zip bombs.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace velt::testing {

inline uint32_t Crc32(const std::string& data) {
  static const std::array<uint32_t, 256> table = [] {
    std::array<uint32_t, 256> t{};
    for (uint32_t n = 0; n < 256; ++n) {
      uint32_t c = n;
      for (int k = 0; k < 8; ++k)
        c = (c >> 1) ^ (0xEDB88320u & (0u - (c & 1u)));
      t[n] = c;
    }
    return t;
  }();
  uint32_t crc = 0xFFFFFFFFu;
  for (const unsigned char byte : data)
    crc = table[(crc ^ byte) & 0xFF] ^ (crc >> 8);
  return ~crc;
}

struct ZipMember {
  std::string name;
  std::string data;     // as stored in the archive (compressed for method 8)
  uint16_t method = 0;  // 0 stored, 8 deflated
  uint32_t crc = 0;
  uint32_t size = 0;  // the uncompressed size the headers declare
};

// A stored member with a correct checksum and size.
inline ZipMember StoredMember(std::string name, std::string data) {
  ZipMember member{std::move(name), std::move(data)};
  member.crc = Crc32(member.data);
  member.size = static_cast<uint32_t>(member.data.size());
  return member;
}

inline std::string BuildZip(const std::vector<ZipMember>& members) {
  std::string out;
  const auto put16 = [](std::string& s, uint32_t v) {
    s.push_back(static_cast<char>(v & 0xFF));
    s.push_back(static_cast<char>((v >> 8) & 0xFF));
  };
  const auto put32 = [&](std::string& s, uint32_t v) {
    put16(s, v & 0xFFFF);
    put16(s, v >> 16);
  };
  std::string central;
  for (const ZipMember& m : members) {
    const uint32_t offset = static_cast<uint32_t>(out.size());
    put32(out, 0x04034b50);
    for (const uint32_t v : {20u, 0u, uint32_t{m.method}, 0u, 0x21u})
      put16(out, v);
    put32(out, m.crc);
    put32(out, static_cast<uint32_t>(m.data.size()));
    put32(out, m.size);
    put16(out, static_cast<uint32_t>(m.name.size()));
    put16(out, 0);
    out += m.name;
    out += m.data;

    put32(central, 0x02014b50);
    for (const uint32_t v : {20u, 20u, 0u, uint32_t{m.method}, 0u, 0x21u})
      put16(central, v);
    put32(central, m.crc);
    put32(central, static_cast<uint32_t>(m.data.size()));
    put32(central, m.size);
    put16(central, static_cast<uint32_t>(m.name.size()));
    for (int k = 0; k < 4; ++k)
      put16(central, 0);
    put32(central, 0);
    put32(central, offset);
    central += m.name;
  }
  const uint32_t centralOffset = static_cast<uint32_t>(out.size());
  out += central;
  put32(out, 0x06054b50);
  put16(out, 0);
  put16(out, 0);
  put16(out, static_cast<uint32_t>(members.size()));
  put16(out, static_cast<uint32_t>(members.size()));
  put32(out, static_cast<uint32_t>(central.size()));
  put32(out, centralOffset);
  put16(out, 0);
  return out;
}

// A raw deflate stream that inflates to 1 + 258 * 8 * groups zero bytes: one
// fixed-Huffman block holding a literal 0 and back-references of length 258
// at distance 1 (about 1:1300).
inline std::string ZeroBombStream(uint64_t groups) {
  std::string out;
  uint32_t bitBuffer = 0;
  int bitCount = 0;
  const auto putBits = [&](std::string& s, uint32_t code, int length) {  // MSB first
    for (int i = length - 1; i >= 0; --i) {
      bitBuffer |= ((code >> i) & 1u) << bitCount;
      if (++bitCount == 8) {
        s.push_back(static_cast<char>(bitBuffer));
        bitBuffer = 0;
        bitCount = 0;
      }
    }
  };
  const auto putMatch = [&](std::string& s) {
    putBits(s, 0xC5, 8);  // length 258 (code 285)
    putBits(s, 0, 5);     // distance 1
  };
  putBits(out, 1, 1);  // final block
  putBits(out, 1, 1);  // fixed Huffman codes (type 01, low bit first)
  putBits(out, 0, 1);
  putBits(out, 0x30, 8);  // literal 0
  putMatch(out);          // now byte-aligned: 3 + 8 + 13 bits
  std::string group;      // 8 matches are exactly 13 bytes
  for (int k = 0; k < 8; ++k)
    putMatch(group);
  out.reserve(out.size() + group.size() * groups + 2);
  for (uint64_t g = 0; g < groups; ++g)
    out += group;
  putBits(out, 0, 7);  // end of block
  if (bitCount > 0) out.push_back(static_cast<char>(bitBuffer));
  return out;
}

}  // namespace velt::testing
